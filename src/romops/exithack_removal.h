#pragma once

#include "romops/hooks.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kst::ops {

// The first 18 bytes of every ExitHack patch; a patch is found by them.
inline constexpr std::array<std::uint8_t, 18> ExitHackSignature{
    0x08, 0x40, 0x4F, 0xE2, 0x02, 0x44, 0x44, 0xE2, 0x1C,
    0xE0, 0x8F, 0xE2, 0xA4, 0x10, 0x9F, 0xE5, 0x04, 0x00,
};

// Offset of the first occurrence of the signature in the image.
std::optional<std::size_t> findExitHackSignature(std::span<const std::uint8_t> image);

// The image without its ExitHack patch, as Remove ExitHack writes it: the
// entry branch set back to the standard one, cut before the first signature
// (searched with the standard entry in place). Nothing when the entry is the
// standard one already or no signature is there.
std::optional<std::vector<std::uint8_t>> imageWithoutExitHack(std::span<const std::uint8_t> image);

enum class RemoveEHOutcome {
    Written,            // the output file holds the image without its patch
    NotPatched,         // the entry is the standard one; nothing written
    SignatureNotFound,  // the entry was redirected but no patch is there; nothing written
};

// Writes a copy of input without its ExitHack patch: the entry branch is set
// back to the standard one and the image is cut before the first signature.
// The output is replaced in one piece (it may be the input itself). Throws
// FileError when the input cannot be opened for reading and writing, is
// shorter than 3 bytes, or the output cannot be written.
RemoveEHOutcome RemoveEH(const std::filesystem::path& input, const std::filesystem::path& output,
                         const RomOpHooks& hooks = {});
// The same for an image already read (an archive member), named input in errors.
RemoveEHOutcome RemoveEH(std::vector<std::uint8_t> image, const std::string& input,
                         const std::filesystem::path& output);

// The image a ROM row names in Remove ExitHack mode: Dir + Name + the
// extension of the row's Input file (its last four characters, in their own
// letter case, so that "Game.GBA" is found where case matters).
std::string removeEHSourcePath(std::string_view dirCell, std::string_view nameCell, std::string_view inputCell);

}  // namespace kst::ops
