#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace kst::ops {

// The length RomTrunc gives the image: when its second-to-last byte (the
// reference) is 0x00 or 0xFF, the run of that byte which ends there is
// dropped and the last byte moves up behind the last differing byte. An image
// holding nothing but the reference before its last byte keeps its length,
// as does any image shorter than three bytes.
std::size_t trimmedLength(std::span<const std::uint8_t> image);

// Cuts the trailing fill run off the image, keeping its last byte.
std::vector<std::uint8_t> RomTrunc(std::vector<std::uint8_t> image);

}  // namespace kst::ops
