#include "romops/exithack.h"

#include "core/texts.h"
#include "platform/files.h"

#include <algorithm>

namespace kst::ops {

std::uint64_t paddedLength(std::uint64_t length)
{
    return (length + 3) / 4 * 4;
}

bool patchReachable(std::uint64_t length)
{
    // The CPU sign-extends the 24-bit word offset, so the branch reaches
    // forward at most 0x7FFFFF words past offset 8: just past the 32 MiB a
    // cartridge maps. A larger field would branch backwards.
    constexpr std::uint64_t FarthestTarget = 8 + 4 * std::uint64_t{0x7FFFFF};
    return paddedLength(length) <= FarthestTarget;
}

EntryBytes newEntryBytesLsbFirst(std::uint64_t length)
{
    // The branch lands on 8 + 4 * N, so N counts words from offset 8; the
    // subtraction wraps for images under 8 bytes, which the mask keeps to
    // the 24 bits of the field.
    const std::uint64_t words = (paddedLength(length) / 4 - 2) & 0xFFFFFF;
    return {static_cast<std::uint8_t>(words), static_cast<std::uint8_t>(words >> 8),
            static_cast<std::uint8_t>(words >> 16)};
}

std::vector<std::uint8_t> Exithack(std::vector<std::uint8_t> image, std::span<const std::uint8_t> patch,
                                   EntryBytes newEntry)
{
    if (image.empty() || patch.empty())
        return image;
    const std::uint8_t fill = fillByteOf(image);
    const std::size_t padded = static_cast<std::size_t>(paddedLength(image.size()));
    image.reserve(padded + patch.size());
    image.resize(padded, fill);
    std::copy(newEntry.begin(), newEntry.end(), image.begin());
    image.insert(image.end(), patch.begin(), patch.end());
    return image;
}

std::vector<std::uint8_t> readPatch(const std::filesystem::path& patchFile)
{
    // Only read: an installed, write-protected patch file is as good as any.
    std::vector<std::uint8_t> patch = readWholeFile(patchFile);
    if (patch.empty())
        throw FileError(patchFile, tr(texts::FileIsEmpty));
    return patch;
}

}  // namespace kst::ops
