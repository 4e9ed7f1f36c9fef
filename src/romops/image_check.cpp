#include "romops/image_check.h"

#include "romheader/complement.h"
#include "romops/entry.h"
#include "romops/exithack_removal.h"
#include "romops/intro.h"

#include <bit>

namespace kst::ops {

ImageCheck checkImage(std::span<const std::uint8_t> image)
{
    ImageCheck check;
    check.storedComplement = image[header::ComplementOffset];
    check.correctComplement = headerComplement(image);
    const std::optional<std::size_t> patch = findExitHackSignature(image);
    check.exitHack = patch.has_value();
    if (hasIntro(image)) {
        // A patched image's entry lands on the patch, or up to three bytes
        // before it when the patch was appended to a length not a multiple of 4.
        const std::uint64_t target = entryTarget(entryOf(image));
        const bool leadsToPatch = patch && target <= *patch && *patch - target < 4;
        check.intro = !leadsToPatch;
    }
    check.trimmed = !std::has_single_bit(image.size());
    return check;
}

}  // namespace kst::ops
