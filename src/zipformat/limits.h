#pragma once

#include <cstdint>

namespace kst {

// The largest image or archive member the program takes: twice the largest
// cartridge, with room for a patch. Anything larger is refused before it is
// read or inflated.
constexpr std::uint64_t kMaxImageBytes = 64 * 1024 * 1024;

}  // namespace kst
