#include "unzdll/pending_file.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace kst::unz {

PendingFile::PendingFile(const std::filesystem::path& folder)
{
    // A short name of our own rather than the member's: the member name may
    // already be as long as the file system allows. Mode 0666 lets the umask
    // decide, as for any new file.
    static std::atomic<unsigned> serial = 0;
    for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
        temp_ = folder / (".unz-" + std::to_string(::getpid()) + "-" + std::to_string(++serial) + ".part");
        fd_ = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ < 0 && errno != EEXIST)
            break;
    }
    if (fd_ < 0)
        error_ = errno;
}

PendingFile::~PendingFile()
{
    discard();
}

void PendingFile::discard()
{
    if (fd_ < 0)
        return;
    ::close(fd_);
    fd_ = -1;
    ::unlink(temp_.c_str());
}

bool PendingFile::write(const void* data, std::size_t size)
{
    const char* bytes = static_cast<const char*>(data);
    while (size > 0 && fd_ >= 0) {
        ssize_t done = ::write(fd_, bytes, size);
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0) {
            // A write of nothing means there is no room left.
            error_ = done < 0 ? errno : ENOSPC;
            return false;
        }
        bytes += done;
        size -= static_cast<std::size_t>(done);
    }
    return fd_ >= 0;
}

bool PendingFile::commit(const std::filesystem::path& target, std::optional<std::time_t> modified)
{
    if (fd_ < 0)
        return false;
    if (modified) {
        // A file without its archived time is still a good file: errors pass.
        const struct timespec times[2] = {{0, UTIME_OMIT}, {*modified, 0}};
        ::futimens(fd_, times);
    }
    // No flush to the disk: the file is a copy of data that the archive still
    // holds. The rename alone keeps a half-written file from ever lying under
    // the member's name.
    if (::close(fd_) != 0) {
        error_ = errno;
        fd_ = -1;
        ::unlink(temp_.c_str());
        return false;
    }
    fd_ = -1;
    if (::rename(temp_.c_str(), target.c_str()) != 0) {
        error_ = errno;
        ::unlink(temp_.c_str());
        return false;
    }
    return true;
}

}  // namespace kst::unz
