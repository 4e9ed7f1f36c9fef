#include "romheader/complement.h"

namespace kst {

std::uint8_t headerComplement(std::span<const std::uint8_t> image)
{
    unsigned sum = 0;
    for (std::size_t i = ComplementFirst; i <= ComplementLast; ++i)
        sum += image[i];
    return static_cast<std::uint8_t>(0u - sum - 0x19u);
}

}  // namespace kst
