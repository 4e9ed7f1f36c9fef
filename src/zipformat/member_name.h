#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kst {

// How a zip member's stored name becomes the name the program shows and the
// unzip module writes. Both sides use these functions, so the file of a listed
// member always lies at extraction folder + its name.

// Bit 11 of the general-purpose flags: name and comment are stored in UTF-8.
constexpr std::uint16_t ZipFlagUtf8 = 0x0800;

// Whether an archive's names are in the MS-DOS code page, decided from the
// first central-directory entry's "version made by": host MS-DOS (0) or
// OS/2 HPFS (6), or NTFS (11) with version byte 50.
bool namesAreOem(std::uint8_t hostSystem, std::uint8_t versionByte);

// Code page 437 bytes as UTF-8.
std::string cp437ToUtf8(std::string_view bytes);

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool isValidUtf8(std::string_view bytes);

// A stored name or comment as UTF-8 text: taken as it is when flagged UTF-8;
// converted from code page 437 when the archive's names are OEM; otherwise
// kept when it is valid UTF-8 and read byte for byte as Latin-1 when not.
// A name flagged UTF-8 that is not valid UTF-8 has no text: the result is
// empty, and such a member is skipped.
std::string decodeMemberText(std::string_view raw, std::uint16_t generalPurposeFlags, bool oemNames);

}  // namespace kst
