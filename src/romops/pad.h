#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace kst::ops {

// The byte a trimmed image was padded with, as far as it tells: trimming
// keeps the last byte of the padding, so a last byte of 0x00 means 0x00
// padding; anything else is taken for 0xFF, the usual padding of dumps.
std::uint8_t paddingOf(std::span<const std::uint8_t> image);

// Pads an image up to the next power of two, undoing RomTrunc: the fill bytes
// go before the image's last byte, which trimming moved up behind the game's
// data, so that trimming the result gives the image back. An image whose
// length is already a power of two, or that is empty, is returned unchanged.
std::vector<std::uint8_t> padImage(std::vector<std::uint8_t> image, std::uint8_t fill);

}  // namespace kst::ops
