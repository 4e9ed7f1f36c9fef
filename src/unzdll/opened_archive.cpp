#include "unzdll/opened_archive.h"

#include "unzdll/archive_source.h"
#include "unzdll/unzdll.h"
#include "zipformat/limits.h"
#include "zipformat/member_file_name.h"
#include "zipformat/member_name.h"

#include <algorithm>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kst::unz {

std::unique_ptr<OpenedArchive> OpenedArchive::open(const char* path)
{
    std::unique_ptr<OpenedArchive> archive(new OpenedArchive);
    // Not blocking, so that a FIFO in the archive's place cannot hang the
    // caller before it is found not to be a regular file.
    archive->fd_ = ::open(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    struct stat info {};
    if (archive->fd_ < 0 || ::fstat(archive->fd_, &info) != 0 || !S_ISREG(info.st_mode))
        return nullptr;
    std::optional<StoredDirectory> directory = readStoredDirectory(archive->fd_);
    // Entries sharing their data would unpack the same bytes many times over.
    if (!directory || directory->membersOverlap)
        return nullptr;
    archive->directory_ = std::move(*directory);

    std::vector<std::uint64_t> badUtf8;
    for (const StoredEntry& entry : archive->directory_.entries)
        if (entry.badUtf8)
            badUtf8.push_back(entry.flagsOffset);
    archive->zip_ = openArchive(archive->fd_, archive->directory_.archiveStart, std::move(badUtf8));
    // Both readings must see the same entries, or an index would name
    // different members to each.
    if (!archive->zip_
        || zip_get_num_entries(archive->zip_, 0) != static_cast<zip_int64_t>(archive->directory_.entries.size()))
        return nullptr;
    return archive;
}

OpenedArchive::~OpenedArchive()
{
    if (zip_)
        zip_discard(zip_);
    if (fd_ >= 0)
        ::close(fd_);
}

std::string OpenedArchive::name(std::uint64_t index) const
{
    const StoredEntry& entry = directory_.entries.at(index);
    return decodeMemberText(entry.rawName, entry.flags, directory_.oemNames);
}

std::optional<std::int32_t> OpenedArchive::refusal(std::uint64_t index) const
{
    zip_stat_t details;
    if (index >= directory_.entries.size() || zip_stat_index(zip_, index, 0, &details) != 0)
        return UNZ_SKIP_DAMAGED;
    // Decided from the declared size; no reader takes more than it.
    if ((details.valid & ZIP_STAT_SIZE) && details.size > zip::kMaxImageBytes)
        return UNZ_SKIP_TOO_LARGE;
    const StoredEntry& entry = directory_.entries[index];
    if (entry.dataOutside)
        return UNZ_SKIP_OUTSIDE;
    // libzip shows a NUL of a stored name as a blank. Any other difference
    // means the two readings took different directories: the bytes libzip
    // would read are not those of the member named here.
    const char* seenByLibzip = zip_get_name(zip_, index, ZIP_FL_ENC_RAW);
    std::string raw = entry.rawName;
    std::replace(raw.begin(), raw.end(), '\0', ' ');
    if (!seenByLibzip || raw != seenByLibzip || !zip::memberFileName(name(index)))
        return UNZ_SKIP_NAME;
    return std::nullopt;
}

std::int32_t skipReason(int libzipError)
{
    switch (libzipError) {
    case ZIP_ER_COMPNOTSUPP:
        return UNZ_SKIP_METHOD;
    case ZIP_ER_ENCRNOTSUPP:
    case ZIP_ER_NOPASSWD:
    case ZIP_ER_WRONGPASSWD:
        return UNZ_SKIP_ENCRYPTED;
    case ZIP_ER_CRC:
    case ZIP_ER_ZLIB:
    case ZIP_ER_INCONS:
        return UNZ_SKIP_BAD_DATA;
    case ZIP_ER_EOF:  // the data run past the end of the file
        return UNZ_SKIP_OUTSIDE;
    default:
        return UNZ_SKIP_DAMAGED;
    }
}

}  // namespace kst::unz
