#include "zipformat/member_name.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace kst {
namespace {

TEST(MemberName, OemNamesFollowHostSystemAndVersion)
{
    struct Case {
        std::uint8_t host;
        std::uint8_t version;
        bool oem;
    } cases[] = {
        {0, 20, true},    // MS-DOS
        {6, 20, true},    // OS/2 HPFS
        {11, 50, true},   // NTFS from a tool that wrote version 5.0
        {11, 20, false},  // NTFS otherwise
        {3, 20, false},   // Unix
        {3, 63, false},
        {10, 20, false},  // Windows NTFS (TOPS-20 slot) is not taken as OEM
        {19, 50, false},  // OS X
    };
    for (const Case& c : cases)
        EXPECT_EQ(namesAreOem(c.host, c.version), c.oem) << int(c.host) << "/" << int(c.version);
}

TEST(MemberName, DecodesEveryStoredForm)
{
    struct Case {
        const char* what;
        std::string raw;
        std::uint16_t flags;
        bool oem;
        std::string text;
    } cases[] = {
        {"ASCII stays", "dir/game.gba", 0, true, "dir/game.gba"},
        {"CP437 letters", "\x84rger \x81" "ber \x94l.gba", 0, true, "\u00e4rger \u00fcber \u00f6l.gba"},
        {"CP437 graphics and Greek", "\xB0\xC9\xE0\xE3\xFB\xFF", 0, true, "\u2591\u2554\u03b1\u03c0\u221a\u00a0"},
        {"CP437 0x9E is the peseta sign", "\x9E", 0, true, "\u20a7"},
        {"UTF-8 flag wins over OEM", "caf\xC3\xA9.gba", ZipFlagUtf8, true, "caf\u00e9.gba"},
        {"UTF-8 flag with broken UTF-8 has no text", "caf\xE9.gba", ZipFlagUtf8, false, ""},
        {"raw UTF-8 from Unix stays", "\xE3\x83\x9D.gba", 0, false, "\u30dd.gba"},
        {"raw bytes from Unix read as Latin-1", "caf\xE9.gba", 0, false, "caf\u00e9.gba"},
        {"same bytes from MS-DOS read as CP437", "caf\xE9.gba", 0, true, "caf\u0398.gba"},
        {"NUL kept as a byte", std::string("a\0b", 3), 0, false, std::string("a\0b", 3)},
        {"empty", "", ZipFlagUtf8, true, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(decodeMemberText(c.raw, c.flags, c.oem), c.text) << c.what;
}

TEST(MemberName, Utf8ValidityRejectsEveryMalformedSequence)
{
    struct Case {
        std::string bytes;
        bool valid;
    } cases[] = {
        {"", true},
        {"plain", true},
        {"\xC3\xA9", true},
        {"\xF0\x9F\x8E\xAE", true},          // U+1F3AE
        {"\xF4\x8F\xBF\xBF", true},          // U+10FFFF, the last code point
        {"\xC3", false},                     // cut short
        {"\xE3\x83", false},
        {"\xC0\xAF", false},                 // overlong "/"
        {"\xE0\x80\xAF", false},
        {"\xED\xA0\x80", false},             // a surrogate
        {"\xF4\x90\x80\x80", false},         // above U+10FFFF
        {"\xF8\x88\x80\x80\x80", false},     // five-byte form
        {"\x80", false},                     // lone continuation byte
        {"\xC3\x28", false},                 // continuation missing
        {"\xFF", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(isValidUtf8(c.bytes), c.valid) << ::testing::PrintToString(c.bytes);
}

// A table slip (a repeated or ASCII entry) would make two names collide.
TEST(MemberName, CodePage437MapsEveryByteToItsOwnCharacter)
{
    std::set<std::string> seen;
    for (int b = 0; b < 256; ++b) {
        std::string text = cp437ToUtf8(std::string(1, static_cast<char>(b)));
        EXPECT_TRUE(isValidUtf8(text)) << b;
        EXPECT_EQ(text.size() == 1, b < 0x80) << b;
        seen.insert(text);
    }
    EXPECT_EQ(seen.size(), 256u);
}

}  // namespace
}  // namespace kst
