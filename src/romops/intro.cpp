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

    // A target past the end (a backward branch among them) only gets the entry restored.
    const std::uint64_t target = entryTarget(entryBytes);
    if (target < image.size())
        std::fill(image.begin() + static_cast<std::ptrdiff_t>(target), image.end(), fill);
    return image;
}

}  // namespace kst::ops
