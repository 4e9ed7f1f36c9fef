#include "romops/trim.h"

#include <cstring>

namespace kst::ops {
namespace {

// Index of the last byte in [0, end) that differs from ref, or end when there
// is none. The fill run of a large image is megabytes long, so it is compared
// 32 bytes at a time and only the block that holds the difference bytewise.
std::size_t lastDiffering(const std::uint8_t* data, std::size_t end, std::uint8_t ref)
{
    constexpr std::size_t Block = 32;
    const std::uint64_t pattern = ref == 0 ? 0 : ~std::uint64_t{0};
    std::size_t i = end;
    while (i % Block != 0) {
        if (data[i - 1] != ref)
            return i - 1;
        --i;
    }
    while (i >= Block) {
        std::uint64_t w[4];
        std::memcpy(w, data + i - Block, Block);
        if (((w[0] ^ pattern) | (w[1] ^ pattern) | (w[2] ^ pattern) | (w[3] ^ pattern)) != 0)
            break;
        i -= Block;
    }
    while (i > 0) {
        if (data[i - 1] != ref)
            return i - 1;
        --i;
    }
    return end;
}

}  // namespace

std::size_t trimmedLength(std::span<const std::uint8_t> image)
{
    const std::size_t length = image.size();
    if (length < 3)
        return length;
    const std::uint8_t ref = image[length - 2];
    if (ref != 0x00 && ref != 0xFF)
        return length;
    const std::size_t runStart = length - 2;
    const std::size_t k = lastDiffering(image.data(), runStart, ref);
    // Nothing but fill: there is no used part to keep, so keep everything
    // rather than cut the image down to a single byte.
    if (k == runStart)
        return length;
    return k + 2;
}

std::vector<std::uint8_t> RomTrunc(std::vector<std::uint8_t> image)
{
    const std::size_t length = trimmedLength(image);
    if (length != image.size()) {
        image[length - 1] = image.back();
        image.resize(length);
    }
    return image;
}

}  // namespace kst::ops
