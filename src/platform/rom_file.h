#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <vector>

namespace kst {

// A file opened for byte-wise reading and writing, the way images are opened:
// the open fails for a file the user marked read-only, so a file that cannot be
// processed is refused before anything is read. Every failure throws FileError.
class RomFile {
public:
    explicit RomFile(const std::filesystem::path& path);
    ~RomFile();
    RomFile(const RomFile&) = delete;
    RomFile& operator=(const RomFile&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::uint64_t size() const;
    void seek(std::uint64_t offset);

    // Reads exactly n bytes or throws.
    void readExact(std::uint8_t* into, std::size_t n);
    // Reads up to n bytes; returns how many arrived, 0 at the end of the file.
    std::size_t read(std::uint8_t* into, std::size_t n);

    void close();

private:
    std::filesystem::path path_;
    int fd_ = -1;
};

// True when no write permission bit is set: the stand-in for the read-only
// attribute, which also holds for a user (such as root) who could write anyway.
bool isReadOnly(const std::filesystem::path& path);

}  // namespace kst
