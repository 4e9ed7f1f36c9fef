#pragma once

#include "zipformat/member_spans.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kst {

// Reads a file of size bytes front to back through one buffer. Every read is
// checked against what the file still holds before anything is copied or
// allocated: a read that does not fit fails, and the reader stays failed.
class BoundedReader {
public:
    BoundedReader(ReadAt readAt, std::uint64_t size, std::uint64_t start);

    std::uint64_t left() const;
    bool read(std::uint8_t* into, std::size_t n);
    bool readText(std::size_t n, std::string& into);

private:
    ReadAt readAt_;
    std::uint64_t size_;
    std::uint64_t position_;  // file position of the next byte handed out
    std::vector<std::uint8_t> buffer_;
    std::size_t begin_ = 0;   // buffer_[begin_, end_) holds the bytes at position_
    std::size_t end_ = 0;
    bool failed_ = false;
};

}  // namespace kst
