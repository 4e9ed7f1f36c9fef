#pragma once

#include "core/texts.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace kst {

class RomFile;

// The cartridge header: the first 192 bytes of every image, one name per
// field. Offsets count from the start of the image.
namespace header {
inline constexpr std::size_t EntryOffset = 0x00;         // the entry branch: a 24-bit word offset, least significant byte first
inline constexpr std::size_t EntryLength = 3;
inline constexpr std::size_t EntryOpcodeOffset = 0x03;   // the branch opcode that follows the offset
inline constexpr std::uint8_t BranchOpcode = 0xEA;       // "branch always"
inline constexpr std::size_t LogoOffset = 0x04;
inline constexpr std::size_t LogoLength = 156;
inline constexpr std::size_t InternalNameOffset = 0xA0;
inline constexpr std::size_t InternalNameLength = 12;
inline constexpr std::size_t GameCodeOffset = 0xAC;
inline constexpr std::size_t GameCodeLength = 4;
inline constexpr std::size_t CountryOffset = 0xAF;       // last letter of the game code
inline constexpr std::size_t MakerOffset = 0xB0;
inline constexpr std::size_t MakerLength = 2;
inline constexpr std::size_t FixedValueOffset = 0xB2;
inline constexpr std::uint8_t FixedValue = 0x96;
inline constexpr std::size_t UnitCodeOffset = 0xB3;
inline constexpr std::size_t DeviceTypeOffset = 0xB4;
inline constexpr std::size_t ReservedOffset = 0xB5;
inline constexpr std::size_t ReservedLength = 7;
inline constexpr std::size_t VersionOffset = 0xBC;
inline constexpr std::size_t ComplementOffset = 0xBD;
inline constexpr std::size_t ReservedTailOffset = 0xBE;
inline constexpr std::size_t ReservedTailLength = 2;
inline constexpr std::size_t Length = 0xC0;              // where the game starts; the standard entry branch goes here
// The list needs the bytes up to the maker code: 178 of them.
inline constexpr std::size_t MinimumSize = MakerOffset + MakerLength;
}  // namespace header

// The header values shown in the ROM list. Texts hold the header's own bytes.
struct RomHeader {
    std::uint64_t size = 0;
    std::string internalName;  // cut before its first 0x00
    std::uint8_t countryLetter = 0;
    std::string makerCode;     // cut before its first 0x00
};

// The header values of an image of the given size from its first bytes. A
// field that bytes does not reach in full is left empty (0 for the country).
RomHeader parseHeader(std::span<const std::uint8_t> bytes, std::uint64_t size);

// Reads the first header::MinimumSize bytes of an open image and parses them.
// Throws FileError for a shorter file.
RomHeader readheader(RomFile& file);

// Display names; they come from the text table (untranslated).
TextId country(std::uint8_t letter);
TextId company(const std::string& code);

}  // namespace kst
