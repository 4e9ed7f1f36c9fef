#include "atomicfile/atomic_file.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kst {
namespace {

// Large files are handed to the disk while the rest is still being written,
// so that the flush before the rename has little left to wait for.
constexpr std::size_t WritebackChunk = 4 << 20;

// A name for the temporary file in folder, hidden and not yet taken when it
// was made (an open or a link fails with EEXIST if it has been since).
std::string temporaryName(const std::filesystem::path& folder)
{
    static constexpr char Letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    static std::atomic<unsigned> serial = 0;
    unsigned char random[8] = {};
    if (::getrandom(random, sizeof random, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof random)) {
        unsigned seed = ++serial * 2654435761u ^ static_cast<unsigned>(::getpid());
        for (unsigned char& r : random)
            r = static_cast<unsigned char>(seed >>= 4);
    }
    std::string suffix;
    for (unsigned char r : random)
        suffix += Letters[r % (sizeof Letters - 1)];
    return (folder / (".kst-" + suffix + ".part")).string();
}

}  // namespace

AtomicFile::AtomicFile(const std::filesystem::path& folder, mode_t createMode, bool unnamedAllowed)
{
    // A file system without unnamed files refuses O_TMPFILE (EOPNOTSUPP, or
    // EISDIR from kernels that predate it); linking one into place needs /proc.
    static const bool procFds = ::access("/proc/self/fd", X_OK) == 0;
    if (unnamedAllowed && procFds)
        fd_ = ::open(folder.empty() ? "." : folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, createMode);
    if (fd_ < 0)
        openNamed(folder, createMode);
}

AtomicFile::~AtomicFile()
{
    discard();
}

void AtomicFile::discard()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    if (!name_.empty()) {
        ::unlink(name_.c_str());
        name_.clear();
    }
    cleanup_.reset();
}

bool AtomicFile::fail(int error)
{
    error_ = error;
    return false;
}

void AtomicFile::openNamed(const std::filesystem::path& folder, mode_t createMode)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        // Watched before it exists, so that no moment leaves it unwatched.
        std::string name = temporaryName(folder);
        cleanup_.watch(name);
        fd_ = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, createMode);
        if (fd_ >= 0) {
            name_ = name;
            return;
        }
        if (errno != EEXIST)
            break;
    }
    error_ = errno;
    cleanup_.reset();
}

bool AtomicFile::write(const void* data, std::size_t size)
{
    const char* bytes = static_cast<const char*>(data);
    while (size > 0 && fd_ >= 0) {
        ssize_t done = ::write(fd_, bytes, std::min(size, WritebackChunk));
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            return fail(done < 0 ? errno : ENOSPC);  // a write of nothing means there is no room left
        startWriteback(static_cast<std::size_t>(done));
        bytes += done;
        size -= static_cast<std::size_t>(done);
    }
    return fd_ >= 0;
}

bool AtomicFile::commit(const std::filesystem::path& target, std::optional<mode_t> mode)
{
    if (fd_ < 0)
        return false;
    if ((mode && ::fchmod(fd_, *mode) != 0) || ::fsync(fd_) != 0)
        return fail(errno);
    if (name_.empty()) {
        int linked = linkUnnamed(target.string());
        if (linked == 0) {
            // In place under its own name, its bytes already on the disk: what
            // close might still report changes nothing.
            ::close(fd_);
            fd_ = -1;
            return true;
        }
        if (linked != EEXIST)
            return fail(linked);
        if (!linkToTemporaryName(target.parent_path()))
            return false;
    }
    int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0 || ::rename(name_.c_str(), target.c_str()) != 0)
        return fail(errno);
    name_.clear();
    cleanup_.reset();
    return true;
}

// Gives the unnamed file a name: 0, or the system's error number (EEXIST
// when the name is taken).
int AtomicFile::linkUnnamed(const std::string& name)
{
    const std::string self = "/proc/self/fd/" + std::to_string(fd_);
    return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0 ? 0 : errno;
}

// A link cannot replace a file, so an existing target is replaced through a
// temporary name and a rename; only that moment has a name to leave behind.
bool AtomicFile::linkToTemporaryName(const std::filesystem::path& folder)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = temporaryName(folder);
        cleanup_.watch(name);
        int linked = linkUnnamed(name);
        if (linked == 0) {
            name_ = name;
            return true;
        }
        if (linked != EEXIST) {
            cleanup_.reset();
            return fail(linked);
        }
    }
    cleanup_.reset();
    return fail(EEXIST);
}

void AtomicFile::startWriteback(std::size_t justWritten)
{
#ifdef __linux__
    ::sync_file_range(fd_, static_cast<off_t>(written_), static_cast<off_t>(justWritten), SYNC_FILE_RANGE_WRITE);
#endif
    written_ += justWritten;
}

}  // namespace kst
