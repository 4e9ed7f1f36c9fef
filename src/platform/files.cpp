#include "platform/files.h"

#include "core/texts.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <string>
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

}  // namespace

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
    fd_ = ::open(path.c_str(), (access == Access::ReadWrite ? O_RDWR : O_RDONLY) | O_NONBLOCK | O_CLOEXEC);
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

}  // namespace kst
