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

// Adds count copies of fill to a stream a block at a time.
template <typename Stream>
void addFillTo(Stream& stream, std::uint8_t fill, std::uint64_t count)
{
    std::array<std::uint8_t, Piece> block;
    block.fill(fill);
    while (count != 0) {
        const std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(count, block.size()));
        stream.add(std::span(block.data(), n));
        count -= n;
    }
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

namespace {

// The CRC register (the inverse of a CRC-32) stepped over one zero byte: a
// linear map, which zlib applies n times at once as a multiplication.
std::uint32_t zeroByteStep(std::uint32_t reg)
{
    const std::uint8_t zero = 0;
    return ~crc32Of(std::span(&zero, 1), ~reg);
}

// The register value p that a fill byte leaves as it is: p = step(p ^ fill).
// With it, n fill bytes take a register r where n zero bytes take r ^ p, and
// back: (step^n(r ^ p)) ^ p. There is one, since 1 + x^8 and the CRC
// polynomial have no common factor; p is linear in fill, so eight solutions
// of (step + 1) p = step(bit) give every fill's.
std::uint32_t fixedPointOf(std::uint8_t fill)
{
    static const std::array<std::uint32_t, 8> OfBit = [] {
        std::array<std::uint32_t, 8> solutions{};
        for (int bit = 0; bit < 8; ++bit) {
            // Gauss-Jordan over GF(2): row i holds the coefficients of p's bits
            // in bit i of (step + 1) p, and bit 32 the same bit of the right side.
            std::array<std::uint64_t, 32> rows{};
            for (int j = 0; j < 32; ++j) {
                const std::uint32_t column = zeroByteStep(1u << j) ^ (1u << j);
                for (int i = 0; i < 32; ++i)
                    rows[i] |= std::uint64_t{(column >> i) & 1} << j;
            }
            const std::uint32_t right = zeroByteStep(1u << bit);
            for (int i = 0; i < 32; ++i)
                rows[i] |= std::uint64_t{(right >> i) & 1} << 32;
            for (int column = 0; column < 32; ++column) {
                int pivot = column;
                while (!((rows[pivot] >> column) & 1))
                    ++pivot;  // full rank: there is one
                std::swap(rows[pivot], rows[column]);
                for (int i = 0; i < 32; ++i)
                    if (i != column && ((rows[i] >> column) & 1))
                        rows[i] ^= rows[column];
            }
            for (int i = 0; i < 32; ++i)
                solutions[bit] |= static_cast<std::uint32_t>((rows[i] >> 32) & 1) << i;
        }
        return solutions;
    }();
    std::uint32_t point = 0;
    for (int bit = 0; bit < 8; ++bit)
        if ((fill >> bit) & 1)
            point ^= OfBit[bit];
    return point;
}

}  // namespace

CrcFill::CrcFill(std::uint8_t fill, std::uint64_t count)
    : fixedPoint_(fixedPointOf(fill)), shift_(::crc32_combine_gen(static_cast<z_off_t>(count)))
{
}

std::uint32_t CrcFill::operator()(std::uint32_t crc) const
{
    const std::uint32_t reg = ~crc ^ fixedPoint_;
    return ~(static_cast<std::uint32_t>(::crc32_combine_op(reg, 0, shift_)) ^ fixedPoint_);
}

std::uint32_t crc32WithFill(std::uint32_t crc, std::uint8_t fill, std::uint64_t count)
{
    return CrcFill(fill, count)(crc);
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
    addFillTo(*this, fill, count);
}

Digests ChecksumStream::finish()
{
    return Digests{crc_, finishDigest<16>(contexts_->md5.get()), finishDigest<20>(contexts_->sha1.get())};
}

struct DigestStream::State {
    Context context;
};

DigestStream::DigestStream(Kind kind)
    : state_(std::make_unique<State>(State{startDigest(kind == Kind::Md5 ? EVP_md5() : EVP_sha1())}))
{
}

DigestStream::DigestStream(const DigestStream& other) : state_(std::make_unique<State>())
{
    state_->context.reset(EVP_MD_CTX_new());
    if (!state_->context || EVP_MD_CTX_copy_ex(state_->context.get(), other.state_->context.get()) != 1)
        throw std::bad_alloc();
}

DigestStream::~DigestStream() = default;

void DigestStream::add(std::span<const std::uint8_t> bytes)
{
    if (EVP_DigestUpdate(state_->context.get(), bytes.data(), bytes.size()) != 1)
        throw std::runtime_error("digest failed");
}

void DigestStream::addFill(std::uint8_t fill, std::uint64_t count)
{
    addFillTo(*this, fill, count);
}

std::vector<std::uint8_t> DigestStream::digestSoFar() const
{
    // Finishing ends a state, so a copy of it is finished.
    const DigestStream copy(*this);
    std::vector<std::uint8_t> digest(EVP_MAX_MD_SIZE);
    unsigned int length = 0;
    if (EVP_DigestFinal_ex(copy.state_->context.get(), digest.data(), &length) != 1)
        throw std::runtime_error("digest failed");
    digest.resize(length);
    return digest;
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
