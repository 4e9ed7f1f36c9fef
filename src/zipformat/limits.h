#pragma once

#include <cstdint>

namespace kst::zip {

// The largest image or archive member the program takes: twice the largest
// cartridge, with room for a patch. Anything larger is refused before it is
// read or inflated, so that a hostile file cannot take the memory or the disk.
inline constexpr std::uint64_t kMaxImageBytes = 64ull * 1024 * 1024;

}  // namespace kst::zip
