#include "romops/intro.h"

#include <algorithm>

namespace kst::ops {

bool hasIntro(std::span<const std::uint8_t> image)
{
    return image.size() >= StandardEntry.size() && entryOf(image) != StandardEntry;
}

std::vector<std::uint8_t> RemIntro(std::vector<std::uint8_t> image, EntryBytes entryBytes)
{
    if (!hasIntro(image))
        return image;
    const std::uint8_t fill = fillByteOf(image);
    std::copy(StandardEntry.begin(), StandardEntry.end(), image.begin());

    // The field is unsigned: a backward branch reads as a target far past the
    // end, and then only the entry is restored.
    const std::uint64_t words = entryBytes[0] | (std::uint64_t{entryBytes[1]} << 8) | (std::uint64_t{entryBytes[2]} << 16);
    const std::uint64_t target = 8 + 4 * words;
    if (target < image.size())
        std::fill(image.begin() + static_cast<std::ptrdiff_t>(target), image.end(), fill);
    return image;
}

}  // namespace kst::ops
