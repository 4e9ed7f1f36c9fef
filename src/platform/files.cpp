#include "platform/files.h"

#include "core/texts.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <string>
#include <utility>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kst {
namespace {

bool anyWriteBit(mode_t mode)
{
    return (mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
}

std::string sizeText(std::uint64_t bytes)
{
    constexpr std::uint64_t MiB = 1 << 20;
    if (bytes % MiB == 0)
        return format(tr(texts::SizeInMiB), {std::to_string(bytes / MiB)});
    return format(tr(texts::SizeInBytes), {std::to_string(bytes)});
}

std::vector<std::filesystem::path>& linklessFolders()
{
    static std::vector<std::filesystem::path> folders;
    return folders;
}

std::filesystem::path absoluteNormal(const std::filesystem::path& path)
{
    std::error_code ec;
    const std::filesystem::path whole = std::filesystem::absolute(path, ec);
    return (ec ? path : whole).lexically_normal();
}

bool inLinklessFolder(const std::filesystem::path& path)
{
    if (linklessFolders().empty())
        return false;
    const std::filesystem::path file = absoluteNormal(path);
    return std::any_of(linklessFolders().begin(), linklessFolders().end(), [&](const std::filesystem::path& folder) {
        const std::filesystem::path inside = file.lexically_relative(folder);
        return !inside.empty() && *inside.begin() != "..";
    });
}

}  // namespace

void openWithoutLinksIn(const std::filesystem::path& folder)
{
    std::filesystem::path whole = absoluteNormal(folder);
    if (whole.filename().empty())
        whole = whole.parent_path();  // "dir/" and "dir" are one folder
    if (std::find(linklessFolders().begin(), linklessFolders().end(), whole) == linklessFolders().end())
        linklessFolders().push_back(whole);
}

FileError fileErrorFromErrno(const std::filesystem::path& path)
{
    return FileError(path, std::strerror(errno));
}

FileError outOfMemoryError(const std::filesystem::path& path)
{
    return FileError(path, std::strerror(ENOMEM));
}

FileTooLarge fileTooLargeError(const std::filesystem::path& path, std::uint64_t limit)
{
    return FileTooLarge(path, format(tr(texts::FileLargerThan), {sizeText(limit)}));
}

void failWritesPastFileSizeLimit()
{
    struct sigaction caught {};
    caught.sa_handler = [](int) {};
    ::sigaction(SIGXFSZ, &caught, nullptr);
}

std::optional<FileIdentity> fileIdentity(const std::filesystem::path& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return std::nullopt;
    return FileIdentity{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)};
}

void checkReadable(const std::filesystem::path& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        throw fileErrorFromErrno(path);
    ::close(fd);
}

bool fileExists(const std::filesystem::path& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool isReadOnly(const std::filesystem::path& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && !anyWriteBit(st.st_mode);
}

FolderCreation createFolder(const std::filesystem::path& folder, std::error_code* reason)
{
    std::error_code ec;
    if (std::filesystem::is_directory(folder, ec))
        return FolderCreation::Existed;
    bool created = std::filesystem::create_directory(folder, ec);
    if (created && !ec)
        return FolderCreation::Created;
    if (reason)
        *reason = ec ? ec : std::make_error_code(std::errc::file_exists);
    return FolderCreation::Failed;
}

void createFolders(const std::filesystem::path& folder)
{
    std::error_code ec;
    if (folder.empty() || std::filesystem::is_directory(folder, ec))
        return;
    if (folder.has_relative_path() && folder.parent_path() != folder)
        createFolders(folder.parent_path());
    std::error_code reason;
    if (createFolder(folder, &reason) == FolderCreation::Failed)
        throw FileError(folder, reason.message());
}

std::vector<std::uint8_t> readWholeFile(const std::filesystem::path& path, std::uint64_t maxSize)
{
    RomFile file(path, RomFile::Access::ReadOnly);
    const std::uint64_t size = file.size();
    if (size > maxSize)
        throw fileTooLargeError(path, maxSize);
    std::vector<std::uint8_t> bytes;
    try {
        bytes.reserve(static_cast<std::size_t>(size));
        // One byte over the limit is enough to tell that a file grew past it.
        file.readRest(bytes, maxSize == NoSizeLimit ? maxSize : maxSize + 1, 64 * 1024);
    } catch (const std::bad_alloc&) {
        throw outOfMemoryError(path);
    }
    if (bytes.size() > maxSize)
        throw fileTooLargeError(path, maxSize);
    return bytes;
}

RomFile::RomFile(const std::filesystem::path& path, Access access) : path_(path)
{
    // Not blocking, so that a FIFO is refused below instead of waiting for a writer.
    const int noFollow = inLinklessFolder(path) ? O_NOFOLLOW : 0;
    fd_ = ::open(path.c_str(), (access == Access::ReadWrite ? O_RDWR : O_RDONLY) | O_NONBLOCK | O_CLOEXEC | noFollow);
    if (fd_ < 0 && noFollow && errno == ELOOP)
        throw FileError(path, tr(texts::FileIsLink));
    if (fd_ < 0)
        throw fileErrorFromErrno(path);
    struct stat st {};
    if (::fstat(fd_, &st) != 0) {
        FileError error = fileErrorFromErrno(path);
        close();
        throw error;
    }
    if (!S_ISREG(st.st_mode) || (access == Access::ReadWrite && !anyWriteBit(st.st_mode))) {
        close();
        throw FileError(path, tr(S_ISREG(st.st_mode) ? texts::FileAccessDenied : texts::NotARegularFile));
    }
}

RomFile::~RomFile()
{
    close();
}

std::uint64_t RomFile::size() const
{
    struct stat st {};
    if (::fstat(fd_, &st) != 0)
        throw fileErrorFromErrno(path_);
    return static_cast<std::uint64_t>(st.st_size);
}

void RomFile::seek(std::uint64_t offset)
{
    if (::lseek(fd_, static_cast<off_t>(offset), SEEK_SET) < 0)
        throw fileErrorFromErrno(path_);
}

std::size_t RomFile::read(std::uint8_t* into, std::size_t n)
{
    for (;;) {
        ssize_t got = ::read(fd_, into, n);
        if (got >= 0)
            return static_cast<std::size_t>(got);
        if (errno != EINTR)
            throw fileErrorFromErrno(path_);
    }
}

void RomFile::readExact(std::uint8_t* into, std::size_t n)
{
    std::size_t done = 0;
    while (done < n) {
        std::size_t got = read(into + done, n - done);
        if (got == 0)
            throw FileError(path_, tr(texts::ReadBeyondEnd));
        done += got;
    }
}

void RomFile::readRest(std::vector<std::uint8_t>& into, std::uint64_t limit, std::size_t blockSize,
                       const std::function<void(std::uint64_t)>& afterBlock)
{
    // Each block passes through a small buffer that stays in cache, so that
    // memory reserved in into is written once instead of being zeroed first.
    std::vector<std::uint8_t> block(blockSize);
    std::uint64_t done = 0;
    while (done < limit) {
        std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(blockSize, limit - done));
        std::size_t got = read(block.data(), want);
        if (got == 0)
            break;
        into.insert(into.end(), block.begin(), block.begin() + static_cast<std::ptrdiff_t>(got));
        done += got;
        if (afterBlock)
            afterBlock(done);
    }
}

void RomFile::close()
{
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

SharedFile::SharedFile(const std::filesystem::path& path, Mode mode) : path_(path)
{
    const int flags = mode == Mode::Read ? O_RDONLY : O_RDWR | O_CREAT | O_APPEND;
    fd_ = ::open(path.c_str(), flags | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
    if (fd_ < 0)
        throw errno == ELOOP ? FileError(path, tr(texts::FileIsLink)) : fileErrorFromErrno(path);
}

SharedFile SharedFile::createUnique(const std::filesystem::path& folder, const std::string& suffix)
{
    std::string pattern = (folder / ("XXXXXX" + suffix)).string();
    int fd = ::mkostemps(pattern.data(), static_cast<int>(suffix.size()), O_APPEND | O_CLOEXEC);
    if (fd < 0)
        throw fileErrorFromErrno(pattern);
    return SharedFile(pattern, fd);
}

SharedFile::~SharedFile()
{
    if (fd_ >= 0)
        ::close(fd_);
}

SharedFile::SharedFile(SharedFile&& other) noexcept : path_(std::move(other.path_)), fd_(std::exchange(other.fd_, -1))
{
}

SharedFile& SharedFile::operator=(SharedFile&& other) noexcept
{
    std::swap(path_, other.path_);
    std::swap(fd_, other.fd_);
    return *this;
}

bool SharedFile::lock(Lock kind, bool wait)
{
    const int operation = (kind == Lock::Shared ? LOCK_SH : LOCK_EX) | (wait ? 0 : LOCK_NB);
    int result = 0;
    while ((result = ::flock(fd_, operation)) != 0 && errno == EINTR) {
    }
    return result == 0;
}

bool SharedFile::append(std::string_view bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

std::string SharedFile::readAtMost(std::size_t limit)
{
    std::string text;
    char buffer[8192];
    while (text.size() < limit) {
        ssize_t n = ::read(fd_, buffer, std::min(sizeof buffer, limit - text.size()));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        text.append(buffer, static_cast<std::size_t>(n));
    }
    return text;
}

std::filesystem::path createUniqueFolder(const std::filesystem::path& folder, const std::string& prefix)
{
    std::string pattern = (folder / (prefix + "XXXXXX")).string();
    if (!::mkdtemp(pattern.data()))
        throw fileErrorFromErrno(pattern);
    return pattern;
}

}  // namespace kst
