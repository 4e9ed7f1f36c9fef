#include "zipformat/bounded_reader.h"

#include <algorithm>
#include <cstring>

namespace kst {
namespace {

constexpr std::size_t BufferSize = 64 * 1024;

}  // namespace

BoundedReader::BoundedReader(ReadAt readAt, std::uint64_t size, std::uint64_t start)
    : readAt_(std::move(readAt)), size_(size), position_(std::min(start, size))
{
}

std::uint64_t BoundedReader::left() const
{
    return failed_ ? 0 : size_ - position_;
}

bool BoundedReader::read(std::uint8_t* into, std::size_t n)
{
    if (n > left()) {
        failed_ = true;
        return false;
    }
    std::size_t fromBuffer = std::min(n, end_ - begin_);
    if (fromBuffer > 0) {
        std::memcpy(into, buffer_.data() + begin_, fromBuffer);
        begin_ += fromBuffer;
        position_ += fromBuffer;
        into += fromBuffer;
        n -= fromBuffer;
    }
    if (n == 0)
        return true;
    // The buffer is used up. Large reads go straight to their destination.
    if (n >= BufferSize) {
        if (readAt_(position_, into, n) != n) {
            failed_ = true;
            return false;
        }
        position_ += n;
        return true;
    }
    buffer_.resize(BufferSize);
    std::size_t wanted = static_cast<std::size_t>(std::min<std::uint64_t>(BufferSize, left()));
    std::size_t got = readAt_(position_, buffer_.data(), wanted);
    begin_ = 0;
    end_ = got;
    if (got < n) {  // the file shrank since it was opened
        failed_ = true;
        return false;
    }
    std::memcpy(into, buffer_.data(), n);
    begin_ = n;
    position_ += n;
    return true;
}

bool BoundedReader::readText(std::size_t n, std::string& into)
{
    if (n > left()) {
        failed_ = true;
        return false;
    }
    into.resize(n);
    return read(reinterpret_cast<std::uint8_t*>(into.data()), n);
}

}  // namespace kst
