#pragma once

#include "romheader/header.h"

#include <array>
#include <cstdint>
#include <span>

namespace kst::ops {

// The 24-bit word offset of the entry branch at the start of every image, in
// file order: the bytes at offsets 0, 1 and 2, least significant first. The
// byte at offset 3 (the branch opcode) is never part of it and no operation
// touches it.
using EntryBytes = std::array<std::uint8_t, header::EntryLength>;

// The branch to 0xC0, the first byte after the 192-byte cartridge header.
inline constexpr EntryBytes StandardEntry{0x2E, 0x00, 0x00};
// A branch lands 8 bytes past itself plus four bytes per word of its offset.
static_assert((StandardEntry[0] + 2) * 4 == header::Length);

// The file offset an entry branch lands on: 8 past itself plus 4 bytes per
// word of its offset. The field is unsigned, so a backward branch reads as a
// target far past the end of any image.
inline std::uint64_t entryTarget(EntryBytes entry)
{
    const std::uint64_t words = entry[0] | (std::uint64_t{entry[1]} << 8) | (std::uint64_t{entry[2]} << 16);
    return 8 + 4 * words;
}

// The first three bytes of an image, which must hold at least three.
inline EntryBytes entryOf(std::span<const std::uint8_t> image)
{
    constexpr std::size_t at = header::EntryOffset;
    return {image[at], image[at + 1], image[at + 2]};
}

// The byte that pads an image: 0x00 when its second-to-last byte is 0x00,
// else 0xFF. An image too short to have a second-to-last byte counts as
// 0xFF-padded, the common case for cartridge dumps.
inline std::uint8_t fillByteOf(std::span<const std::uint8_t> image)
{
    return image.size() >= 2 && image[image.size() - 2] == 0x00 ? 0x00 : 0xFF;
}

}  // namespace kst::ops
