#pragma once

#include "platform/files.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>

namespace kst {

// An archive opened for reading only, read at any offset.
class ArchiveFile {
public:
    // Throws FileError when the path names no readable regular file.
    explicit ArchiveFile(const std::filesystem::path& path);

    std::uint64_t size() const { return size_; }

    // Reads up to n bytes from offset; returns how many arrived (fewer when
    // the file ends or a read fails).
    std::size_t readAt(std::uint64_t offset, std::uint8_t* into, std::size_t n) const;

private:
    mutable RomFile file_;
    std::uint64_t size_;
};

}  // namespace kst
