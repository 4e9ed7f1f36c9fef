#include "platform/rom_file.h"

#include "platform/file_error.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kst {

FileError fileErrorFromErrno(const std::filesystem::path& path)
{
    return FileError(path, std::strerror(errno));
}

bool isReadOnly(const std::filesystem::path& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return false;
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

RomFile::RomFile(const std::filesystem::path& path) : path_(path)
{
    fd_ = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd_ < 0)
        throw fileErrorFromErrno(path);
    struct stat st {};
    if (::fstat(fd_, &st) != 0) {
        FileError error = fileErrorFromErrno(path);
        close();
        throw error;
    }
    if (!S_ISREG(st.st_mode) || (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        close();
        throw FileError(path, S_ISREG(st.st_mode) ? "File access denied." : "Not a regular file.");
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
            throw FileError(path_, "Read beyond end of file.");
        done += got;
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
