#include "archive/archive_file.h"


namespace kst {
ArchiveFile::ArchiveFile(const std::filesystem::path& path)
    : file_(path, RomFile::Access::ReadOnly), size_(file_.size())
{
}

std::size_t ArchiveFile::readAt(std::uint64_t offset, std::uint8_t* into, std::size_t n) const
{
    std::size_t done = 0;
    try {
        file_.seek(offset);
        while (done < n) {
            std::size_t got = file_.read(into + done, n - done);
            if (got == 0)
                break;
            done += got;
        }
    } catch (const FileError&) {
        // What arrived so far is all there is; the caller sees a short read.
    }
    return done;
}

}  // namespace kst
