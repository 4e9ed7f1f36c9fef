#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace kst {

// An archive opened for reading only; closed when destroyed. Only a regular
// file counts as readable: a FIFO or a device could block or never end.
class ArchiveFile {
public:
    explicit ArchiveFile(const std::filesystem::path& path);
    ~ArchiveFile();
    ArchiveFile(const ArchiveFile&) = delete;
    ArchiveFile& operator=(const ArchiveFile&) = delete;

    // False when the file could not be opened at all.
    bool isOpen() const { return fd_ >= 0; }
    bool isRegularFile() const { return regular_; }
    std::uint64_t size() const { return size_; }

    // Reads up to n bytes from offset; returns how many arrived.
    std::size_t readAt(std::uint64_t offset, std::uint8_t* into, std::size_t n) const;

private:
    int fd_ = -1;
    bool regular_ = false;
    std::uint64_t size_ = 0;
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
