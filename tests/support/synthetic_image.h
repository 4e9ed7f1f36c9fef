#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace kst::test {

// What a synthetic image holds. No real game enters the tests, the
// benchmarks or the screenshots: they all build their images here.
struct ImageSpec {
    std::size_t size = 0x400;
    std::string internalName = "TESTGAME";  // up to 12 bytes, zero-padded
    std::string gameCode;                   // the game code's first three letters
    char countryLetter = 'E';               // its last letter
    std::string makerCode = "01";
    // Game data runs from the end of the header up to dataEnd; from there to
    // the end the image holds the padding byte, as a dump of a smaller game would.
    std::size_t dataEnd = std::numeric_limits<std::size_t>::max();
    std::uint8_t padding = 0x00;
};

// The image: the standard entry branch, a header with the given fields at
// their offsets, then game data and padding. Fields past a short image's end
// are left out.
std::vector<std::uint8_t> makeImage(const ImageSpec& spec);

// The image most tests want: the given size and header fields, game data to the end.
std::vector<std::uint8_t> makeImage(std::size_t size, const std::string& internalName = "TESTGAME",
                                    char countryLetter = 'E', const std::string& maker = "01");

// The header's check byte as the console's boot code checks it, worked out
// here on its own so that tests never ask the program for the answer: the
// bytes 0xA0 to 0xBC and 0x19 add up to zero, modulo 256, with it.
std::uint8_t referenceComplement(const std::vector<std::uint8_t>& image);

// For DAT checks: 3,000 bytes of game data (byte i is i * 31 + 7), then fill
// up to size. AlphaRom holds the checksums of it padded with 0xFF to 4 KiB,
// from Python's zlib.crc32, md5sum and sha1sum, as a DAT's <rom> attributes.
std::vector<std::uint8_t> datGameImage(std::size_t size, std::uint8_t fill = 0xFF);
inline const std::string AlphaRom =
    R"(size="4096" crc="3e1914fb" md5="f48efffbe4c692f11eab078e2e9930b0" sha1="958dc7b68056e0c70e2f910dcdc0f4b9a723358f")";

}  // namespace kst::test
