#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace kst {

// A decoded picture: rows of RGB pixels, three bytes each, top row first.
struct RgbPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;
};

// Decodes a JPEG file's bytes with libjpeg. nullopt for anything that is not
// a whole, sound JPEG picture (truncated, damaged, not a JPEG at all): libjpeg
// would end the process on some of these and fill in the missing part of
// others, so every error and warning it raises ends the decoding here instead.
std::optional<RgbPicture> decodeJpeg(std::span<const std::uint8_t> jpeg);

}  // namespace kst
