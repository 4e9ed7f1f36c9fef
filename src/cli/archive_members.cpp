#include "cli/archive_members.h"

#include "core/texts.h"
#include "platform/files.h"
#include "zipformat/limits.h"

#include <zip.h>

#include <algorithm>
#include <memory>

namespace kst {
namespace {

struct CloseMember {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};

// Room for n more bytes, grown by doubling but never past keep, so that a
// member that lies about its size cannot make the buffer overshoot the limit.
void makeRoom(std::vector<std::uint8_t>& bytes, std::size_t n, std::uint64_t keep)
{
    if (bytes.size() + n <= bytes.capacity())
        return;
    const std::uint64_t grown = std::max<std::uint64_t>(bytes.capacity() * 2, bytes.size() + n);
    bytes.reserve(static_cast<std::size_t>(std::min(grown, keep)));
}

}  // namespace

ArchiveMembers::~ArchiveMembers()
{
    if (zip_)
        zip_discard(zip_);
}

zip_t* ArchiveMembers::open(const std::string& archive)
{
    if (zip_ && archive_ == archive)
        return zip_;
    if (zip_)
        zip_discard(zip_);
    zip_ = nullptr;
    int code = 0;
    zip_ = zip_open(archive.c_str(), ZIP_RDONLY, &code);
    if (!zip_) {
        zip_error_t error;
        zip_error_init_with_code(&error, code);
        FileError failure(archive, zip_error_strerror(&error));
        zip_error_fini(&error);
        throw failure;
    }
    archive_ = archive;
    return zip_;
}

ArchiveMembers::Read ArchiveMembers::read(const std::string& archive, std::uint64_t index, std::uint32_t crc,
                                          const std::string& shown, std::uint64_t upTo)
{
    constexpr std::uint64_t Limit = zip::kMaxImageBytes;
    zip_t* za = open(archive);
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat_index(za, index, 0, &st) != 0)
        throw FileError(shown, zip_strerror(za));
    if ((st.valid & ZIP_STAT_CRC) && st.crc != crc)
        throw FileError(shown, tr(texts::MemberMoved));
    // Decided from the declared size first, and enforced again below for a
    // member whose data inflate to more than it declares.
    if ((st.valid & ZIP_STAT_SIZE) && st.size > Limit)
        throw fileTooLargeError(shown, Limit);

    std::unique_ptr<zip_file_t, CloseMember> file(zip_fopen_index(za, index, 0));
    if (!file)
        throw FileError(shown, zip_strerror(za));
    // One byte past the limit is asked for, to tell that a member is longer,
    // but never kept: a block that would go past the limit ends the read.
    const std::uint64_t want = std::min(upTo, Limit + 1);
    const std::uint64_t keep = std::min(want, Limit);
    Read result;
    result.size = (st.valid & ZIP_STAT_SIZE) ? st.size : 0;
    try {
        result.bytes.reserve(static_cast<std::size_t>(std::min(keep, result.size)));
        std::vector<std::uint8_t> block(64 * 1024);
        while (result.bytes.size() < want) {
            const auto n = static_cast<zip_uint64_t>(std::min<std::uint64_t>(block.size(), want - result.bytes.size()));
            const zip_int64_t got = zip_fread(file.get(), block.data(), n);
            if (got < 0)
                throw FileError(shown, zip_file_strerror(file.get()));
            if (got == 0)
                break;
            if (result.bytes.size() + static_cast<std::uint64_t>(got) > Limit)
                throw fileTooLargeError(shown, Limit);
            makeRoom(result.bytes, static_cast<std::size_t>(got), keep);
            result.bytes.insert(result.bytes.end(), block.begin(), block.begin() + got);
        }
    } catch (const std::bad_alloc&) {
        throw outOfMemoryError(shown);
    }
    return result;
}

}  // namespace kst
