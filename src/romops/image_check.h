#pragma once

#include <cstdint>
#include <span>

namespace kst::ops {

// What an image carries, as the command-line check reports it.
struct ImageCheck {
    std::uint8_t storedComplement = 0;   // the byte at 0xBD
    std::uint8_t correctComplement = 0;  // what the header's bytes call for
    bool intro = false;     // the entry branch is not the standard one and does not lead to an ExitHack patch
    bool exitHack = false;  // the ExitHack signature is in the image
    bool trimmed = false;   // its length is not a power of two, as every full cartridge dump's is

    bool complementCorrect() const { return storedComplement == correctComplement; }
};

// Checks an image of at least ComplementMinimumSize bytes.
ImageCheck checkImage(std::span<const std::uint8_t> image);

}  // namespace kst::ops
