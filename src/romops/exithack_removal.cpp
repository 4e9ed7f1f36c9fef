#include "romops/exithack_removal.h"

#include "core/texts.h"
#include "platform/files.h"
#include "romops/entry.h"
#include "romops/image_file.h"

#include <algorithm>
#include <bit>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kst::ops {

namespace {

// Two signature bytes that every candidate position must show before the
// whole signature is compared: far apart, and values that ARM code and
// padding seldom hold at these distances (unlike 0x00, 0xFF, 0xE2 or 0xE5).
constexpr std::size_t ProbeA = 2;   // 0x4F
constexpr std::size_t ProbeB = 14;  // 0x9F

bool signatureAt(const std::uint8_t* at)
{
    return std::memcmp(at, ExitHackSignature.data(), ExitHackSignature.size()) == 0;
}

}  // namespace

std::optional<std::size_t> findExitHackSignature(std::span<const std::uint8_t> image)
{
    if (image.size() < ExitHackSignature.size())
        return std::nullopt;
    const std::uint8_t* data = image.data();
    const std::size_t starts = image.size() - ExitHackSignature.size() + 1;  // candidate positions
    std::size_t i = 0;
#if defined(__SSE2__)
    // 32 candidate positions per step, tested on both probe bytes at once; a
    // full compare runs only where both match, so the scan keeps pace with
    // memory. Every load ends inside the image: i + 31 < starts.
    const __m128i a = _mm_set1_epi8(static_cast<char>(ExitHackSignature[ProbeA]));
    const __m128i b = _mm_set1_epi8(static_cast<char>(ExitHackSignature[ProbeB]));
    auto candidates = [&](const std::uint8_t* at) {
        __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + ProbeA));
        __m128i y = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + ProbeB));
        return static_cast<std::uint32_t>(
            _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(x, a), _mm_cmpeq_epi8(y, b))));
    };
    for (; i + 32 <= starts; i += 32) {
        std::uint32_t mask = candidates(data + i) | (candidates(data + i + 16) << 16);
        while (mask != 0) {
            std::size_t at = i + static_cast<std::size_t>(std::countr_zero(mask));
            if (signatureAt(data + at))
                return at;
            mask &= mask - 1;
        }
    }
#endif
    for (; i < starts; ++i) {
        if (data[i + ProbeA] == ExitHackSignature[ProbeA] && data[i + ProbeB] == ExitHackSignature[ProbeB] &&
            signatureAt(data + i))
            return i;
    }
    return std::nullopt;
}

namespace {

// Cuts image, whose entry is not the standard one, before its patch; false
// when no signature is there.
bool cutPatch(std::vector<std::uint8_t>& image)
{
    // A file cut short since its entry was read may hold fewer than 3 bytes now.
    std::copy_n(StandardEntry.begin(), std::min(image.size(), StandardEntry.size()), image.begin());

    std::optional<std::size_t> patchStart = findExitHackSignature(image);
    if (!patchStart)
        return false;
    image.resize(*patchStart);
    return true;
}

// Writes image, whose entry is not the standard one, without its patch.
RemoveEHOutcome removePatch(std::vector<std::uint8_t> image, const std::filesystem::path& output)
{
    if (!cutPatch(image))
        return RemoveEHOutcome::SignatureNotFound;
    writeFileAtomically(output, image);
    return RemoveEHOutcome::Written;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> imageWithoutExitHack(std::span<const std::uint8_t> image)
{
    if (image.size() < StandardEntry.size() || entryOf(image) == StandardEntry)
        return std::nullopt;
    std::vector<std::uint8_t> cut(image.begin(), image.end());
    if (!cutPatch(cut))
        return std::nullopt;
    return cut;
}

RemoveEHOutcome RemoveEH(const std::filesystem::path& input, const std::filesystem::path& output,
                         const RomOpHooks& hooks)
{
    std::vector<std::uint8_t> image;
    {
        RomFile file(input);
        // Any entry but the standard one may point at a patch: patched images
        // under 256 KiB have a zero high byte, small ones a zero middle byte.
        if (readEntryBytes(file) == StandardEntry)
            return RemoveEHOutcome::NotPatched;
        image = readImage(file, hooks);
    }
    return removePatch(std::move(image), output);
}

RemoveEHOutcome RemoveEH(std::vector<std::uint8_t> image, const std::string& input,
                         const std::filesystem::path& output)
{
    if (image.size() < StandardEntry.size())
        throw FileError(input, tr(texts::ReadBeyondEnd));  // as reading such a file says
    if (entryOf(image) == StandardEntry)
        return RemoveEHOutcome::NotPatched;
    return removePatch(std::move(image), output);
}

std::string removeEHSourcePath(std::string_view dirCell, std::string_view nameCell, std::string_view inputCell)
{
    constexpr std::size_t ExtensionLength = 4;
    std::string_view extension =
        inputCell.size() >= ExtensionLength ? inputCell.substr(inputCell.size() - ExtensionLength) : ".gba";
    std::string path;
    path.reserve(dirCell.size() + nameCell.size() + extension.size());
    path.append(dirCell).append(nameCell).append(extension);
    return path;
}

}  // namespace kst::ops
