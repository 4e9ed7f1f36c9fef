#include "unzdll/pending_file.h"

#include <atomic>
#include <cerrno>
#include <chrono>
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
        if (done <= 0)
            return false;
        bytes += done;
        size -= static_cast<std::size_t>(done);
    }
    return fd_ >= 0;
}

bool PendingFile::commit(const std::filesystem::path& target, std::optional<std::time_t> modified)
{
    if (fd_ < 0)
        return false;
    // Synced before the rename, so that after a crash the target is either the
    // old file or the complete new one.
    if (::fsync(fd_) != 0 || ::close(fd_) != 0) {
        fd_ = -1;
        ::unlink(temp_.c_str());
        return false;
    }
    fd_ = -1;
    if (modified) {
        // A file without its archived time is still a good file: errors pass.
        std::error_code ignored;
        std::filesystem::last_write_time(
            temp_, std::chrono::file_clock::from_sys(std::chrono::system_clock::from_time_t(*modified)), ignored);
    }
    if (::rename(temp_.c_str(), target.c_str()) != 0) {
        ::unlink(temp_.c_str());
        return false;
    }
    return true;
}

}  // namespace kst::unz
