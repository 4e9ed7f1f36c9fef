#include "verify/checksums.h"

#include <openssl/evp.h>
#include <zlib.h>

#include <algorithm>
#include <future>
#include <limits>
#include <new>
#include <stdexcept>

namespace kst::verify {
namespace {

// zlib takes lengths as unsigned int and offsets as z_off_t; larger pieces go in steps.
constexpr std::size_t CrcStep = std::numeric_limits<unsigned int>::max() / 2 + 1;
constexpr std::size_t Piece = 64 * 1024;
constexpr std::size_t ThreadedSize = 4u << 20;

struct ContextFree {
    void operator()(EVP_MD_CTX* context) const { EVP_MD_CTX_free(context); }
};
using Context = std::unique_ptr<EVP_MD_CTX, ContextFree>;

Context startDigest(const EVP_MD* kind)
{
    Context context(EVP_MD_CTX_new());
    if (!context || EVP_DigestInit_ex(context.get(), kind, nullptr) != 1)
        throw std::bad_alloc();
    return context;
}

template <std::size_t N>
std::array<std::uint8_t, N> finishDigest(EVP_MD_CTX* context)
{
    std::array<std::uint8_t, N> digest{};
    unsigned int length = 0;
    if (EVP_DigestFinal_ex(context, digest.data(), &length) != 1 || length != N)
        throw std::runtime_error("digest failed");
    return digest;
}

}  // namespace

std::uint32_t crc32Of(std::span<const std::uint8_t> bytes, std::uint32_t crc)
{
    while (!bytes.empty()) {
        const std::size_t n = std::min(bytes.size(), CrcStep);
        crc = static_cast<std::uint32_t>(::crc32(crc, bytes.data(), static_cast<unsigned int>(n)));
        bytes = bytes.subspan(n);
    }
    return crc;
}

std::uint32_t crc32WithFill(std::uint32_t crc, std::uint8_t fill, std::uint64_t count)
{
    // The CRC of a run of 2^k fill bytes comes from two runs of 2^(k-1);
    // the runs that make up count are then joined on one by one.
    std::uint32_t run = crc32Of(std::span(&fill, 1));
    std::uint64_t runLength = 1;
    while (count != 0) {
        if (count & 1)
            crc = static_cast<std::uint32_t>(::crc32_combine(crc, run, static_cast<z_off_t>(runLength)));
        count >>= 1;
        if (count != 0) {
            run = static_cast<std::uint32_t>(::crc32_combine(run, run, static_cast<z_off_t>(runLength)));
            runLength *= 2;
        }
    }
    return crc;
}

struct ChecksumStream::Contexts {
    Context md5 = startDigest(EVP_md5());
    Context sha1 = startDigest(EVP_sha1());
};

ChecksumStream::ChecksumStream() : contexts_(std::make_unique<Contexts>()) {}
ChecksumStream::~ChecksumStream() = default;

void ChecksumStream::add(std::span<const std::uint8_t> bytes)
{
    // MD5 is the slowest of the three and cannot be split; on a large piece
    // it runs on a thread of its own beside the other two.
    bool digested = true;
    std::future<bool> md5;
    if (bytes.size() >= ThreadedSize) {
        md5 = std::async(std::launch::async, [this, bytes] {
            return EVP_DigestUpdate(contexts_->md5.get(), bytes.data(), bytes.size()) == 1;
        });
    }
    // Piece by piece, so that the passes find the bytes in the cache.
    for (std::span<const std::uint8_t> rest = bytes; !rest.empty();) {
        const std::span<const std::uint8_t> piece = rest.first(std::min(rest.size(), Piece));
        crc_ = crc32Of(piece, crc_);
        if ((!md5.valid() && EVP_DigestUpdate(contexts_->md5.get(), piece.data(), piece.size()) != 1) ||
            EVP_DigestUpdate(contexts_->sha1.get(), piece.data(), piece.size()) != 1)
            digested = false;
        rest = rest.subspan(piece.size());
    }
    if (md5.valid() && !md5.get())
        digested = false;
    if (!digested)
        throw std::runtime_error("digest failed");
}

void ChecksumStream::addFill(std::uint8_t fill, std::uint64_t count)
{
    std::array<std::uint8_t, Piece> block;
    block.fill(fill);
    while (count != 0) {
        const std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(count, block.size()));
        add(std::span(block.data(), n));
        count -= n;
    }
}

Digests ChecksumStream::finish()
{
    return Digests{crc_, finishDigest<16>(contexts_->md5.get()), finishDigest<20>(contexts_->sha1.get())};
}

Digests digestsOf(std::span<const std::uint8_t> bytes, std::uint8_t fill, std::uint64_t fillCount)
{
    ChecksumStream stream;
    stream.add(bytes);
    stream.addFill(fill, fillCount);
    return stream.finish();
}

std::string toHex(std::span<const std::uint8_t> bytes)
{
    static constexpr char Digits[] = "0123456789abcdef";
    std::string text;
    text.reserve(bytes.size() * 2);
    for (std::uint8_t b : bytes) {
        text += Digits[b >> 4];
        text += Digits[b & 0x0F];
    }
    return text;
}

}  // namespace kst::verify
