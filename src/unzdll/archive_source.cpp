#include "unzdll/archive_source.h"

#include "zipformat/member_name.h"

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace kst::unz {
namespace {

// The UTF-8 flag is bit 11: bit 3 of the flags' second byte.
constexpr std::uint8_t Utf8BitOfHighByte = ZipFlagUtf8 >> 8;

struct PatchedFile {
    int fd = -1;
    std::uint64_t origin = 0;  // where the archive starts in the file
    std::uint64_t size = 0;
    std::uint64_t position = 0;
    std::vector<std::uint64_t> highFlagBytes;  // sorted
    zip_error_t error {};

    zip_int64_t read(std::uint8_t* into, zip_uint64_t wanted)
    {
        std::uint64_t length = std::min<std::uint64_t>(wanted, size - std::min(position, size));
        ssize_t got;
        do
            got = ::pread(fd, into, length, static_cast<off_t>(origin + position));
        while (got < 0 && errno == EINTR);
        if (got < 0) {
            zip_error_set(&error, ZIP_ER_READ, errno);
            return -1;
        }
        auto end = position + static_cast<std::uint64_t>(got);
        for (auto at = std::lower_bound(highFlagBytes.begin(), highFlagBytes.end(), position);
             at != highFlagBytes.end() && *at < end; ++at)
            into[*at - position] &= static_cast<std::uint8_t>(~Utf8BitOfHighByte);
        position = end;
        return got;
    }
};

zip_int64_t patchedFile(void* state, void* data, zip_uint64_t length, zip_source_cmd_t command)
{
    auto* file = static_cast<PatchedFile*>(state);
    switch (command) {
    case ZIP_SOURCE_OPEN:
        file->position = 0;
        return 0;
    case ZIP_SOURCE_READ:
        return file->read(static_cast<std::uint8_t*>(data), length);
    case ZIP_SOURCE_CLOSE:
        return 0;
    case ZIP_SOURCE_STAT: {
        auto* stat = static_cast<zip_stat_t*>(data);
        zip_stat_init(stat);
        stat->size = file->size;
        stat->valid |= ZIP_STAT_SIZE;
        return sizeof *stat;
    }
    case ZIP_SOURCE_ERROR:
        return zip_error_to_data(&file->error, data, length);
    case ZIP_SOURCE_FREE:
        zip_error_fini(&file->error);
        delete file;
        return 0;
    case ZIP_SOURCE_SEEK: {
        zip_int64_t at = zip_source_seek_compute_offset(file->position, file->size, data, length, &file->error);
        if (at < 0)
            return -1;
        file->position = static_cast<std::uint64_t>(at);
        return 0;
    }
    case ZIP_SOURCE_TELL:
        return static_cast<zip_int64_t>(file->position);
    case ZIP_SOURCE_SUPPORTS:
        return ZIP_SOURCE_SUPPORTS_SEEKABLE;
    default:
        zip_error_set(&file->error, ZIP_ER_OPNOTSUPP, 0);
        return -1;
    }
}

}  // namespace

zip_t* openArchive(int fd, std::uint64_t archiveStart, std::vector<std::uint64_t> clearUtf8FlagAt)
{
    struct stat info {};
    if (::fstat(fd, &info) != 0 || static_cast<std::uint64_t>(info.st_size) < archiveStart)
        return nullptr;
    auto* file = new PatchedFile;
    file->fd = fd;
    file->origin = archiveStart;
    file->size = static_cast<std::uint64_t>(info.st_size) - archiveStart;
    for (std::uint64_t at : clearUtf8FlagAt)
        if (at >= archiveStart)
            file->highFlagBytes.push_back(at - archiveStart + 1);
    std::sort(file->highFlagBytes.begin(), file->highFlagBytes.end());
    zip_error_init(&file->error);

    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_function_create(patchedFile, file, &error);
    zip_error_fini(&error);
    if (!source) {
        zip_error_fini(&file->error);
        delete file;
        return nullptr;
    }
    zip_error_init(&error);
    zip_t* archive = zip_open_from_source(source, ZIP_RDONLY, &error);
    zip_error_fini(&error);
    if (!archive)
        zip_source_free(source);  // frees the file through ZIP_SOURCE_FREE
    return archive;
}

}  // namespace kst::unz
