// The atomic write of platform/files.h: a temporary file in the target's
// folder that takes the target's name only when complete.

#include "platform/files.h"
#include "platform/leftover_cleanup.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kst {
namespace {

std::atomic<bool> unnamedAllowed = true;

mode_t newFileMode()
{
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// A name for the temporary file beside the target, hidden and not yet taken
// when it was made (links to it fail with EEXIST if it has been since).
std::string temporaryName(const std::filesystem::path& real)
{
    static constexpr char Letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    static std::atomic<unsigned> serial = 0;
    unsigned char random[6] = {};
    if (::getrandom(random, sizeof random, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof random)) {
        unsigned seed = ++serial * 2654435761u ^ static_cast<unsigned>(::getpid());
        for (unsigned char& r : random)
            r = static_cast<unsigned char>(seed >>= 5);
    }
    std::string suffix;
    for (unsigned char r : random)
        suffix += Letters[r % (sizeof Letters - 1)];
    return (real.parent_path() / ("." + real.filename().string() + ".kst-" + suffix)).string();
}

// Owns the temporary file until it has taken the target's name.
class TemporaryFile {
public:
    TemporaryFile(const std::filesystem::path& target, const std::filesystem::path& real)
        : target_(target), real_(real)
    {
        std::filesystem::path folder = real.parent_path();
        if (folder.empty())
            folder = ".";
        // A file system without unnamed files refuses O_TMPFILE (EOPNOTSUPP, or
        // EISDIR from kernels that predate it); linking one into place needs /proc.
        static const bool procFds = ::access("/proc/self/fd", X_OK) == 0;
        if (unnamedAllowed && procFds)
            fd_ = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
        if (fd_ < 0)
            openNamed();
    }

    ~TemporaryFile()
    {
        if (fd_ >= 0)
            ::close(fd_);
        if (!name_.empty()) {
            ::unlink(name_.c_str());
            cleanup_.reset();
        }
    }

    void write(const std::uint8_t* data, std::size_t size)
    {
        while (size > 0) {
            std::size_t chunk = std::min(size, WritebackChunk);
            ssize_t done = ::write(fd_, data, chunk);
            if (done < 0) {
                if (errno == EINTR)
                    continue;
                throw fileErrorFromErrno(target_);
            }
            startWriteback(static_cast<std::size_t>(done));
            data += done;
            size -= static_cast<std::size_t>(done);
        }
    }

    void commit(mode_t mode)
    {
        if (::fchmod(fd_, mode) != 0 || ::fsync(fd_) != 0)
            throw fileErrorFromErrno(target_);
        if (name_.empty() && linkUnnamed(real_.string())) {
            // In place under its own name, its bytes already on the disk: what
            // close might still report changes nothing.
            ::close(fd_);
            fd_ = -1;
            return;
        }
        if (name_.empty())
            linkToTemporaryName();
        int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0)
            throw fileErrorFromErrno(target_);
        if (::rename(name_.c_str(), real_.c_str()) != 0)
            throw fileErrorFromErrno(target_);
        name_.clear();
        cleanup_.reset();
    }

private:
    // Large files are handed to the disk while the rest is still being
    // written, so that the flush before the rename has little left to wait for.
    static constexpr std::size_t WritebackChunk = 4 << 20;

    void openNamed()
    {
        for (int attempt = 0; attempt < 100; ++attempt) {
            // Watched before it exists, so that no moment leaves it unwatched.
            std::string name = temporaryName(real_);
            cleanup_.watch(name);
            fd_ = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
            if (fd_ >= 0) {
                name_ = name;
                return;
            }
            if (errno != EEXIST)
                break;
        }
        int reason = errno;
        cleanup_.reset();
        errno = reason;
        throw fileErrorFromErrno(target_);
    }

    // Gives the unnamed file a name; false when the name is taken.
    bool linkUnnamed(const std::string& name)
    {
        const std::string self = "/proc/self/fd/" + std::to_string(fd_);
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0)
            return true;
        if (errno != EEXIST)
            throw fileErrorFromErrno(target_);
        return false;
    }

    // A link cannot replace a file, so an existing target is replaced through
    // a temporary name and a rename; only that moment has a name to leave behind.
    void linkToTemporaryName()
    {
        for (int attempt = 0; attempt < 100; ++attempt) {
            std::string name = temporaryName(real_);
            cleanup_.watch(name);
            if (linkUnnamed(name)) {
                name_ = name;
                return;
            }
        }
        cleanup_.reset();
        errno = EEXIST;
        throw fileErrorFromErrno(target_);
    }

    void startWriteback(std::size_t justWritten)
    {
#ifdef __linux__
        ::sync_file_range(fd_, static_cast<off_t>(written_), static_cast<off_t>(justWritten), SYNC_FILE_RANGE_WRITE);
#endif
        written_ += justWritten;
    }

    std::filesystem::path target_;  // as the caller named it, for errors
    std::filesystem::path real_;    // the file the write replaces or creates
    std::string name_;              // the temporary file's name, while it has one
    LeftoverCleanup cleanup_;
    int fd_ = -1;
    std::size_t written_ = 0;
};

}  // namespace

std::filesystem::path followLinks(const std::filesystem::path& target)
{
    std::filesystem::path current = target;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return current;
        std::error_code ec;
        std::filesystem::path next = std::filesystem::read_symlink(current, ec);
        if (ec)
            throw FileError(target, ec.message());
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    errno = ELOOP;
    throw fileErrorFromErrno(target);
}

void allowUnnamedTemporaryFiles(bool allowed)
{
    unnamedAllowed = allowed;
}

void writeFileAtomically(const std::filesystem::path& target, std::span<const std::uint8_t> bytes)
{
    const std::filesystem::path real = followLinks(target);
    struct stat old {};
    const bool replaces = ::stat(real.c_str(), &old) == 0;
    // A file the user may not write to stays as it is, whatever its folder allows.
    if (replaces && S_ISREG(old.st_mode)) {
        if (isReadOnly(real)) {
            errno = EACCES;
            throw fileErrorFromErrno(target);
        }
        if (::faccessat(AT_FDCWD, real.c_str(), W_OK, AT_EACCESS) != 0)
            throw fileErrorFromErrno(target);
    }
    TemporaryFile file(target, real);
    file.write(bytes.data(), bytes.size());
    file.commit(replaces ? (old.st_mode & 07777) : newFileMode());
}

void writeFileAtomically(const std::filesystem::path& target, std::string_view text)
{
    writeFileAtomically(target, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

void copyFileAtomically(const std::filesystem::path& from, const std::filesystem::path& to)
{
    writeFileAtomically(to, readWholeFile(from));
}

}  // namespace kst
