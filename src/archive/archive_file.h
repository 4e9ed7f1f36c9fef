#pragma once

#include "platform/files.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

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

// Reads a file front to back through one buffer. Every read is checked
// against what the file still holds before anything is copied or allocated:
// a read that does not fit fails, and the reader stays failed.
class BoundedReader {
public:
    BoundedReader(const ArchiveFile& file, std::uint64_t start);

    std::uint64_t left() const;
    bool read(std::uint8_t* into, std::size_t n);
    bool readText(std::size_t n, std::string& into);

private:
    const ArchiveFile& file_;
    std::uint64_t position_;  // file position of the next byte handed out
    std::vector<std::uint8_t> buffer_;
    std::size_t begin_ = 0;   // buffer_[begin_, end_) holds the bytes at position_
    std::size_t end_ = 0;
    bool failed_ = false;
};

}  // namespace kst
