#include "archive/parameter_block.h"

namespace kst {
namespace {

constexpr std::int32_t flag(bool value)
{
    return value ? UNZ_TRUE : UNZ_FALSE;
}

constexpr std::int32_t PasswordTries = 3;

}  // namespace

ParameterBlock::ParameterBlock(ExtractRequest request) : request_(std::move(request))
{
    // Bits of ExtractOptions: 0 update, 1 freshen, 2 overwrite all, 3 ask, 4 ignore case.
    const std::uint8_t o = request_.options;
    const bool update = o & 0x01;
    const bool freshen = o & 0x02;
    const bool overwriteAll = o & 0x04;
    const bool ignoreCase = o & 0x10;

    members_.resize(request_.members.size());
    for (std::size_t i = 0; i < members_.size(); ++i)
        members_[i].name = request_.members[i].c_str();

    params_.caller = request_.caller;
    params_.version = UNZ_VERSION;
    params_.callback = request_.callback;
    params_.password = request_.password.empty() ? nullptr : request_.password.c_str();
    params_.overwrite_all = flag(overwriteAll && !update && !freshen);
    params_.use_folder_names = UNZ_TRUE;
    params_.update = flag(update);
    params_.freshen = flag(freshen && !update);
    params_.ignore_case = flag(ignoreCase);
    params_.ask_overwrite = flag(!update && !freshen && !overwriteAll);
    params_.member_count = static_cast<std::int32_t>(members_.size());
    params_.archive_path = request_.archivePath.c_str();
    params_.members = members_.data();
    params_.password_tries = PasswordTries;
    params_.reports = UNZ_REPORT_ALL;
}

}  // namespace kst
