#include "cli/archive_members.h"

#include "archive/member_refusal.h"
#include "core/texts.h"
#include "platform/files.h"
#include "unzdll/opened_archive.h"
#include "unzdll/unzdll.h"
#include "zipformat/member_file_name.h"

#include <zip.h>

#include <algorithm>

namespace kst {
namespace {

constexpr std::size_t BlockSize = 64 * 1024;

struct CloseMember {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};

std::string reasonText(std::int32_t reason)
{
    return refusalText(reason, 0).value_or(std::string());
}

// Whether the module's reading holds at index the member the component
// listed: the archive may have changed since, or the readings may differ.
bool listedHere(const unz::OpenedArchive& opened, const ArchiveMember& member, const std::string& listedName)
{
    zip_stat_t st;
    zip_stat_init(&st);
    return member.index < opened.directory().entries.size() && zip_stat_index(opened.zip(), member.index, 0, &st) == 0
        && (!(st.valid & ZIP_STAT_CRC) || st.crc == member.crc)
        && zip::withSlashes(opened.name(member.index)) == listedName;
}

}  // namespace

ArchiveMembers::ArchiveMembers() = default;
ArchiveMembers::~ArchiveMembers() = default;

unz::OpenedArchive* ArchiveMembers::open(const std::string& archive)
{
    if (archive_ != archive) {
        opened_ = unz::OpenedArchive::open(archive.c_str());
        archive_ = archive;
    }
    return opened_.get();
}

std::optional<std::string> ArchiveMembers::refusal(const ArchiveMember& member, const std::string& listedName)
{
    const unz::OpenedArchive* opened = open(member.archive);
    if (!opened)
        return reasonText(UNZ_SKIP_DAMAGED);
    if (!listedHere(*opened, member, listedName))
        return tr(texts::MemberMoved);
    if (std::optional<std::int32_t> reason = opened->refusal(member.index))
        return reasonText(*reason);
    return std::nullopt;
}

std::vector<std::uint8_t> ArchiveMembers::read(const ArchiveMember& member, const std::string& listedName,
                                               const std::string& shown)
{
    if (std::optional<std::string> why = refusal(member, listedName))
        throw FileError(shown, *why);
    zip_t* za = opened_->zip();
    zip_stat_t st;
    zip_stat_init(&st);
    zip_stat_index(za, member.index, 0, &st);
    // Within the size limit: the refusal looked at it.
    const std::size_t declared = (st.valid & ZIP_STAT_SIZE) ? static_cast<std::size_t>(st.size) : 0;

    std::unique_ptr<zip_file_t, CloseMember> file(zip_fopen_index(za, member.index, 0));
    if (!file)
        throw FileError(shown, reasonText(unz::skipReason(zip_error_code_zip(zip_get_error(za)))));
    std::vector<std::uint8_t> bytes;
    std::vector<std::uint8_t> beyond;
    try {
        bytes.resize(declared);
        beyond.resize(BlockSize);
    } catch (const std::bad_alloc&) {
        throw outOfMemoryError(shown);
    }
    // Up to the declared size, and a block on to find data that run longer
    // (libzip checks the checksum at their end): the module keeps no more.
    std::size_t done = 0;
    bool damaged = false;
    for (;;) {
        const bool within = done < declared;
        const zip_int64_t got = zip_fread(file.get(), within ? bytes.data() + done : beyond.data(),
                                          within ? std::min(declared - done, BlockSize) : BlockSize);
        if (got < 0) {
            const int code = zip_error_code_zip(zip_file_get_error(file.get()));
            if (code != ZIP_ER_CRC && code != ZIP_ER_INCONS)
                throw FileError(shown, reasonText(unz::skipReason(code)));
            damaged = true;
            break;
        }
        if (got == 0 || !within) {
            damaged = got > 0 || done < declared;
            break;
        }
        done += static_cast<std::size_t>(got);
    }
    // Nobody is asked whether to keep them, and the answer that keeps the run safe is no.
    if (damaged)
        throw FileError(shown, reasonText(UNZ_SKIP_BAD_DATA));
    return bytes;
}

}  // namespace kst
