#include "archive/parameter_block.h"

#include "archive/tzip.h"

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
    const std::uint8_t o = request_.options;
    const bool update = o & ExtractUpdate;
    const bool freshen = o & ExtractFreshen;
    const bool overwriteAll = o & ExtractOverwriteAll;
    const bool ignoreCase = o & ExtractIgnoreCase;

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
