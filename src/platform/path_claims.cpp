#include "platform/path_claims.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace kst {
namespace {

namespace fs = std::filesystem;

constexpr const char* ClaimExtension = ".claim";

int lockFile(int fd, int operation)
{
    int result = 0;
    while ((result = ::flock(fd, operation)) != 0 && errno == EINTR) {
    }
    return result;
}

bool writeAll(int fd, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

void readKeys(int fd, std::unordered_set<std::string>& into)
{
    std::string text;
    char buffer[8192];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        text.append(buffer, static_cast<std::size_t>(n));
    }
    // Keys end with a NUL, the one byte no path holds; a last key without
    // one is still being written.
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\0', start)) != std::string::npos; start = end + 1)
        into.insert(text.substr(start, end - start));
}

}  // namespace

PathClaims::Lock::Lock(const fs::path& file)
{
    fd_ = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd_ >= 0 && lockFile(fd_, LOCK_EX) != 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

PathClaims::Lock::~Lock()
{
    if (fd_ >= 0)
        ::close(fd_);  // releases the lock
}

PathClaims::PathClaims(fs::path folder) : folder_(std::move(folder))
{
    std::error_code ec;
    fs::create_directories(folder_, ec);
    // Made and locked under the lock: a reader never finds it unlocked and
    // takes it for a dead program's.
    Lock guard = lock();
    std::string pattern = (folder_ / ("XXXXXX" + std::string(ClaimExtension))).string();
    int fd = ::mkostemps(pattern.data(), static_cast<int>(std::char_traits<char>::length(ClaimExtension)),
                         O_APPEND | O_CLOEXEC);
    if (fd < 0)
        return;
    if (lockFile(fd, LOCK_EX | LOCK_NB) != 0) {
        ::unlink(pattern.c_str());
        ::close(fd);
        return;
    }
    fd_ = fd;
    file_ = pattern;
}

PathClaims::~PathClaims()
{
    if (fd_ < 0)
        return;
    ::unlink(file_.c_str());
    ::close(fd_);
}

std::string PathClaims::key(const fs::path& path)
{
    std::error_code ec;
    fs::path whole = fs::absolute(path, ec);
    if (ec)
        whole = path;
    fs::path resolved = fs::weakly_canonical(whole, ec);
    return (ec ? whole.lexically_normal() : resolved).string();
}

void PathClaims::claim(const fs::path& path)
{
    std::string k = key(path);
    if (!own_.insert(k).second || fd_ < 0)
        return;
    k.push_back('\0');
    writeAll(fd_, k);
}

std::unordered_set<std::string> PathClaims::claimedElsewhere() const
{
    std::unordered_set<std::string> keys;
    std::error_code ec;
    for (fs::directory_iterator it(folder_, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path& file = it->path();
        if (file.extension() != ClaimExtension || file == file_)
            continue;
        int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        if (fd < 0)
            continue;
        if (lockFile(fd, LOCK_SH | LOCK_NB) == 0)
            ::unlink(file.c_str());  // nobody holds it: its program has ended
        else if (errno == EWOULDBLOCK)
            readKeys(fd, keys);
        ::close(fd);
    }
    return keys;
}

}  // namespace kst
