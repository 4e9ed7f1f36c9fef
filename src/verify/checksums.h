#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace kst::verify {

using Md5 = std::array<std::uint8_t, 16>;
using Sha1 = std::array<std::uint8_t, 20>;

struct Digests {
    std::uint32_t crc = 0;
    Md5 md5{};
    Sha1 sha1{};
};

// CRC-32 (the zip one) of bytes, continuing from crc.
std::uint32_t crc32Of(std::span<const std::uint8_t> bytes, std::uint32_t crc = 0);

// Joins `count` bytes of `fill` onto a CRC-32 without going through them:
// made once for a count (a few dozen steps), it then carries any CRC in one.
class CrcFill {
public:
    CrcFill(std::uint8_t fill, std::uint64_t count);
    // The CRC-32 of the fill appended to bytes whose CRC-32 is crc.
    std::uint32_t operator()(std::uint32_t crc) const;

private:
    std::uint32_t fixedPoint_;
    unsigned long shift_;
};

// The CRC-32 of `count` bytes of `fill` appended to bytes whose CRC-32 is crc.
std::uint32_t crc32WithFill(std::uint32_t crc, std::uint8_t fill, std::uint64_t count);

// CRC-32, MD5 and SHA-1 of a stream of bytes, fed in pieces.
class ChecksumStream {
public:
    ChecksumStream();
    ~ChecksumStream();
    ChecksumStream(const ChecksumStream&) = delete;
    ChecksumStream& operator=(const ChecksumStream&) = delete;

    void add(std::span<const std::uint8_t> bytes);
    // Adds count copies of fill, without holding them.
    void addFill(std::uint8_t fill, std::uint64_t count);
    Digests finish();

private:
    struct Contexts;
    std::unique_ptr<Contexts> contexts_;
    std::uint32_t crc_ = 0;
};

// One digest of a stream (SHA-1 or MD5), whose state can be copied: a stream
// hashed once gives the digest of every length it passes through.
class DigestStream {
public:
    enum class Kind { Md5, Sha1 };
    explicit DigestStream(Kind kind);
    DigestStream(const DigestStream& other);  // the same state, going on on its own
    DigestStream& operator=(const DigestStream&) = delete;
    ~DigestStream();

    void add(std::span<const std::uint8_t> bytes);
    void addFill(std::uint8_t fill, std::uint64_t count);
    // The digest of what was added so far (16 or 20 bytes); the stream can go on.
    std::vector<std::uint8_t> digestSoFar() const;

private:
    struct State;
    std::unique_ptr<State> state_;
};

// The three digests of bytes, followed by `fillCount` copies of fill.
Digests digestsOf(std::span<const std::uint8_t> bytes, std::uint8_t fill = 0, std::uint64_t fillCount = 0);

// Lower-case hexadecimal, as sha1sum and md5sum print it.
std::string toHex(std::span<const std::uint8_t> bytes);

}  // namespace kst::verify
