#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace kst::test {

// What a test program left in work RAM after it ran (see results.inc, whose
// addresses and markers these mirror), and where the processor was.
struct BootResult {
    std::uint32_t gameMarker = 0;   // GameMarker once the game at 0xC0 ran
    std::uint32_t checksum = 0;     // the game's checksum over its data
    std::uint32_t introMarker = 0;  // IntroMarker once an intro ran
    std::uint32_t patchMarker = 0;  // PatchMarker once the test patch ran
    std::uint32_t patchEntry = 0;   // the address at which the patch was entered
    std::uint32_t pc = 0;           // the address of the instruction the processor runs next
    std::uint64_t screen = 0;       // a hash of the picture on the screen at the end
};

inline constexpr std::uint32_t GameMarker = 0x454D4147;   // "GAME"
inline constexpr std::uint32_t IntroMarker = 0x52544E49;  // "INTR"
inline constexpr std::uint32_t PatchMarker = 0x48435450;  // "PTCH"
// File offset N of a cartridge image runs at address Cartridge + N.
inline constexpr std::uint32_t Cartridge = 0x08000000;

// Starts the image in mGBA's emulated console, without a BIOS file (the
// emulator sets up what the BIOS would and jumps to offset 0, from lr =
// 0x08000000 as the console's BIOS does), runs it for
// the given number of video frames (60 are one second of console time) and
// reads back the results. Throws std::runtime_error when mGBA refuses the image.
BootResult bootImage(std::span<const std::uint8_t> image, int frames = 120);

}  // namespace kst::test
