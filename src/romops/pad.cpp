#include "romops/pad.h"

#include <bit>

namespace kst::ops {

std::uint8_t paddingOf(std::span<const std::uint8_t> image)
{
    return !image.empty() && image.back() == 0x00 ? 0x00 : 0xFF;
}

std::vector<std::uint8_t> padImage(std::vector<std::uint8_t> image, std::uint8_t fill)
{
    if (image.empty() || std::has_single_bit(image.size()))
        return image;
    const std::size_t padded = std::bit_ceil(image.size());
    const std::size_t added = padded - image.size();
    image.reserve(padded);
    image.insert(image.end() - 1, added, fill);
    return image;
}

}  // namespace kst::ops
