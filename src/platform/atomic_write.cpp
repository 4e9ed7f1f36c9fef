// The atomic write of platform/files.h: a temporary file in the target's
// folder, renamed over the target (or the file it links to) only when complete.

#include "platform/files.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace kst {
namespace {

mode_t newFileMode()
{
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The file that opening target for writing would reach: symbolic links are
// followed, a relative one from the folder it lies in. A link that leads
// nowhere gives the path a new file would be created at.
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

// Owns the temporary file until it has been renamed into place.
class TemporaryFile {
public:
    TemporaryFile(const std::filesystem::path& target, const std::filesystem::path& real)
        : target_(target), real_(real)
    {
        std::filesystem::path folder = real.parent_path();
        if (folder.empty())
            folder = ".";
        std::string pattern = (folder / ("." + real.filename().string() + ".kst-XXXXXX")).string();
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        fd_ = ::mkstemp(name.data());
        if (fd_ < 0)
            throw fileErrorFromErrno(target);
        path_ = name.data();
    }

    ~TemporaryFile()
    {
        if (fd_ >= 0)
            ::close(fd_);
        if (!committed_)
            ::unlink(path_.c_str());
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
        int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0)
            throw fileErrorFromErrno(target_);
        if (::rename(path_.c_str(), real_.c_str()) != 0)
            throw fileErrorFromErrno(target_);
        committed_ = true;
    }

private:
    // Large files are handed to the disk while the rest is still being
    // written, so that the flush before the rename has little left to wait for.
    static constexpr std::size_t WritebackChunk = 4 << 20;

    void startWriteback(std::size_t justWritten)
    {
#ifdef __linux__
        ::sync_file_range(fd_, static_cast<off_t>(written_), static_cast<off_t>(justWritten), SYNC_FILE_RANGE_WRITE);
#endif
        written_ += justWritten;
    }

    std::filesystem::path target_;  // as the caller named it, for errors
    std::filesystem::path real_;    // the file the write replaces or creates
    std::string path_;
    int fd_ = -1;
    std::size_t written_ = 0;
    bool committed_ = false;
};

}  // namespace

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
