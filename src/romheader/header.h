#pragma once

#include "core/texts.h"

#include <cstdint>
#include <string>

namespace kst {

class RomFile;

// Offsets of the cartridge header fields the program uses.
namespace header {
inline constexpr std::uint64_t EntryOffset = 0x00;        // 24-bit offset field of the entry branch
inline constexpr std::uint64_t InternalNameOffset = 0xA0;
inline constexpr std::size_t InternalNameLength = 12;
inline constexpr std::uint64_t CountryOffset = 0xAF;       // last letter of the game code
inline constexpr std::size_t MakerLength = 2;              // read right after the country letter
inline constexpr std::uint64_t MinimumSize = 0xB2;         // 178 bytes hold the maker code
}  // namespace header

// The header values shown in the ROM list. Texts hold the header's own bytes.
struct RomHeader {
    std::uint64_t size = 0;
    std::string internalName;  // cut before its first 0x00
    std::uint8_t countryLetter = 0;
    std::string makerCode;     // cut before its first 0x00
};

// Reads the header of an open image: the size, then the name, the country
// letter and the maker code, in that order. Throws FileError for a short file.
RomHeader readheader(RomFile& file);

// Display names; they come from the text table (untranslated).
TextId country(std::uint8_t letter);
TextId company(const std::string& code);

}  // namespace kst
