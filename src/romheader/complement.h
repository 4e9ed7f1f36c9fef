#pragma once

#include "romheader/header.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace kst {

// The header's check byte at header::ComplementOffset: the console refuses
// to start an image whose complement does not match the bytes from the
// internal name up to the version (0xA0 to 0xBC).
inline constexpr std::size_t ComplementFirst = header::InternalNameOffset;
inline constexpr std::size_t ComplementLast = header::VersionOffset;
static_assert(ComplementLast + 1 == header::ComplementOffset);

// An image needs this many bytes to hold its complement.
inline constexpr std::size_t ComplementMinimumSize = header::ComplementOffset + 1;

// The complement an image's header should hold: the negated sum of the bytes
// 0xA0 to 0xBC, minus 0x19, modulo 256. The image must hold ComplementMinimumSize bytes.
std::uint8_t headerComplement(std::span<const std::uint8_t> image);

}  // namespace kst
