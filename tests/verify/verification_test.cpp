#include "romops/exithack.h"
#include "romops/exithack_removal.h"
#include "support/synthetic_image.h"
#include "support/temp_folder.h"
#include "verify/checksums.h"
#include "verify/dat_file.h"
#include "verify/verification.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>

namespace kst::verify {
namespace {

using Bytes = std::vector<std::uint8_t>;

using test::datGameImage;
Bytes changed(Bytes image, std::size_t at = 100)
{
    image[at] ^= 1;
    return image;
}
// The image as the ExitHack action leaves it, from one with the standard entry.
Bytes patched(Bytes image)
{
    std::copy(ops::StandardEntry.begin(), ops::StandardEntry.end(), image.begin());
    Bytes patch(ops::ExitHackSignature.begin(), ops::ExitHackSignature.end());
    patch.resize(200, 0xE1);
    return ops::Exithack(image, patch, ops::newEntryBytesLsbFirst(image.size()));
}

// The checksums come from sha1sum, md5sum and Python's zlib.crc32.
const std::string AlphaFull = test::AlphaRom;  // 4 KiB with 0xFF
const std::string BetaFull =  // 4 KiB with 0x00
    R"(size="4096" crc="42E9AA06" md5="b6902cc5efd760b2a70c3640a192921c" sha1="103ce00ff5c07f3b186440df559153ba5fb95a4f")";
const std::string AlphaDouble =  // 8 KiB with 0xFF
    R"(size="8192" crc="7f43d495" md5="6ab28bc9af34ba0c83004d32cee5af7f" sha1="198dcdf6e11f7dcd31b9d6ada0d83a351171d8cf")";
const std::string GammaFull =  // 4 KiB with 0xFF, the standard entry in its first three bytes
    R"(size="4096" crc="ccb09ba9" md5="e76fad8510f67e41bd4bb9b96d458263" sha1="7be319bd7ddac66aeef0745703017d71365c75a7")";

enum class Format { Xml, Clrmamepro };
const Format BothFormats[] = {Format::Xml, Format::Clrmamepro};

// The same games in either format; a rom's fields are given as XML attributes.
std::string dat(const std::vector<std::pair<std::string, std::string>>& games, Format format = Format::Xml)
{
    std::string text = format == Format::Xml
                           ? "<?xml version=\"1.0\"?>\n<!DOCTYPE datafile SYSTEM \"datafile.dtd\">\n<datafile>\n"
                             "<header><name>Test</name></header>\n"
                           : "clrmamepro (\n\tname \"Test\"\n\tcomment \"a (b)\"\n)\n";
    for (const auto& [name, rom] : games)
        text += format == Format::Xml
                    ? "<game name=\"" + name + "\"><description>x</description><rom name=\"g.gba\" " + rom + "/></game>\n"
                    // The name last, the values bare.
                    : "game (\n\tdescription x\n\trom ( name g.gba " +
                          std::regex_replace(rom, std::regex("(\\w+)=\"([^\"]*)\""), "$1 $2") + " )\n\tname \"" + name +
                          "\"\n)\n";
    return format == Format::Xml ? text + "</datafile>\n" : text;
}

TEST(ChecksumsTest, AgreeWithTheToolsOfRecord)
{
    const Bytes abc{'a', 'b', 'c'};
    const Digests d = digestsOf(abc);
    EXPECT_EQ(d.crc, 0x352441c2u);
    EXPECT_EQ(toHex(d.md5), "900150983cd24fb0d6963f7d28e17f72");
    EXPECT_EQ(toHex(d.sha1), "a9993e364706816aba3e25717850c26c9cd0d89d");
    // Large enough for MD5 to run on its own thread.
    const Digests big = digestsOf(Bytes(5u << 20, 'Z'));
    EXPECT_EQ(big.crc, 0xc8f0d100u);
    EXPECT_EQ(toHex(big.md5), "25d2d1999157e62fe9ff79ff9de06274");
    EXPECT_EQ(toHex(big.sha1), "d08191d86d0826df2eccdab63ac8a87cdc3c2bc2");
    // A fill joined on, and the same fill streamed.
    EXPECT_EQ(crc32WithFill(d.crc, 0xFF, 1000000), 0x402adbc5u);
    EXPECT_EQ(crc32WithFill(d.crc, 0x00, 3), 0xb80b019cu);
    EXPECT_EQ(crc32WithFill(d.crc, 0x00, 0), 0x352441c2u);
    EXPECT_EQ(digestsOf(abc, 0xFF, 1000000).crc, 0x402adbc5u);
}

struct VerifyCase {
    const char* what;
    Bytes image;
    Verdict verdict;
    const char* game;
};

// Alpha comes in two sizes, the larger listed first: a trimmed image is
// matched by the smallest size that agrees once padded.
TEST(VerificationTest, MatchesAsItIsOrPaddedWithEitherFill)
{
    for (const Format format : BothFormats) {
        const DatIndex index(parseDat(dat({{"Alpha 8K", AlphaDouble}, {"Alpha", AlphaFull}, {"Beta", BetaFull}, {"Gamma", GammaFull}}, format)));
        const VerifyCase cases[] = {
            {"full", datGameImage(4096), Verdict::Verified, "Alpha"},
            {"full, other fill", datGameImage(4096, 0x00), Verdict::Verified, "Beta"},
            {"full, larger size", datGameImage(8192), Verdict::Verified, "Alpha 8K"},
            {"trimmed FF", datGameImage(3001), Verdict::VerifiedPadded, "Alpha"},
            {"trimmed 00", datGameImage(3001, 0x00), Verdict::VerifiedPadded, "Beta"},
            {"cut into the data", datGameImage(2999), Verdict::Unknown, ""},
            {"full, one byte changed", changed(datGameImage(4096)), Verdict::Unknown, ""},
            {"trimmed, one byte changed", changed(datGameImage(3001)), Verdict::Unknown, ""},
            {"longer than every entry", datGameImage(16384), Verdict::Unknown, ""},
            {"empty", Bytes{}, Verdict::Unknown, ""},
            {"full, patched", patched(datGameImage(4096)), Verdict::VerifiedRestored, "Gamma"},
            {"trimmed, patched", patched(datGameImage(3001)), Verdict::VerifiedRestored, "Gamma"},
            {"patched, a byte of the data changed", changed(patched(datGameImage(3001))), Verdict::Unknown, ""},
            {"patched, no signature", changed(patched(datGameImage(3001)), 3006), Verdict::Unknown, ""},
        };
        for (const VerifyCase& c : cases) {
            const Verification v = index.verify(c.image);
            EXPECT_EQ(v.verdict, c.verdict) << c.what;
            EXPECT_EQ(v.game, c.game) << c.what;
        }
    }
}

TEST(VerificationTest, EveryChecksumAnEntryGivesMustAgree)
{
    const std::pair<std::string, Verdict> cases[] = {
        {R"(size="4096" crc="3e1914fb")", Verdict::VerifiedPadded},
        {R"(size="4096" sha1="958dc7b68056e0c70e2f910dcdc0f4b9a723358f")", Verdict::VerifiedPadded},
        {R"(size="4096" crc="3e1914fb" sha1="0000000000000000000000000000000000000000")", Verdict::Unknown},
        {R"(size="4096" crc="3e1914fb" md5="00000000000000000000000000000000")", Verdict::Unknown},
        {R"(size="4096")", Verdict::Unknown},
        {R"(size="4096" md5="f48efffbe4c692f11eab078e2e9930b0")", Verdict::VerifiedPadded},
        // Right for the image padded with 0xFF to the largest cartridge, and past it.
        {R"(size="33554432" crc="0da5d099")", Verdict::VerifiedPadded},
        {R"(size="33554432" sha1="09831c1244bfceb3bfba5195e22dfa569dbc5184")", Verdict::VerifiedPadded},
        {R"(size="33554436" crc="1fff50f0")", Verdict::Unknown},
        // Digests without a CRC at two sizes, from one stream: the first is wrong.
        {R"(size="4096" sha1="958dc7b68056e0c70e2f910dcdc0f4b9a723358e"/><rom size="8192" )"
         R"(sha1="198dcdf6e11f7dcd31b9d6ada0d83a351171d8cf")",
         Verdict::VerifiedPadded},
    };
    for (const auto& [rom, verdict] : cases)
        for (const Format format : BothFormats) {
            const DatIndex index(parseDat(dat({{"Alpha", rom}}, format)));
            EXPECT_EQ(index.verify(datGameImage(3001)).verdict, verdict) << rom;
        }
}

TEST(DatFileTest, ReadsEntriesAndRefusesWhatIsNoDat)
{
    test::TempFolder folder;
    const std::string twins[] = {dat({{"Caf&#233; &amp; Co", AlphaFull}}),
                                 "\xEF\xBB\xBF" + dat({{"Caf\xC3\xA9 & Co", AlphaFull}}, Format::Clrmamepro)};
    for (const std::string& text : twins) {
        test::writeBytes(folder / "games.dat", Bytes(text.begin(), text.end()));
        const DatFile read = readDat(folder / "games.dat");
        const std::vector<DatRom>& roms = read.roms;
        ASSERT_EQ(roms.size(), 1u);
        EXPECT_EQ(read.games, std::vector<std::string>{"Caf\xC3\xA9 & Co"});
        EXPECT_EQ(roms[0].game, 0u);
        EXPECT_EQ(roms[0].name, "g.gba");
        EXPECT_EQ(roms[0].size, 4096u);
        EXPECT_EQ(roms[0].crc, 0x3e1914fbu);
    }

    const std::string longValue(70000, 'x');
    const std::pair<std::string, std::string> kept[] = {  // the DAT; its games, then each entry's game and name
        {"<datafile/>", ""},
        {R"(<datafile><game name="A"><rom name="a" size="4" crc="00000000" status="nodump"/></game></datafile>)", ""},
        {R"(<datafile><game name="A"><rom name="a" size="4" crc="00000000" status="baddump"/></game></datafile>)", ""},
        {R"(<datafile><machine name="M"><rom name="m" size="4"/></machine><resource name="R"><rom size="4"/></resource></datafile>)",
         "M|R: 0 m, 1 "},
        {R"(<datafile><game name="A"><rom name="a" size="4"/></game><header><rom name="h" size="4"/></header></datafile>)",
         "A: 0 a"},
        {"clrmamepro ( name x )\ngame ( rom ( size 4 name a ) name \"A B\" rom ( name \"b c\" size 4 ) )", "A B: 0 a, 0 b c"},
        {"machine ( name M rom ( name m size 4 ) )\r\nresource ( name R rom ( size 4 flags baddump ) rom ( size 4 name r ) )",
         "M|R: 0 m, 1 r"},
        {"game ( name A rom ( size 4 status nodump ) rom ( size 4 nodump ) )\ngame ( name B )", ""},
        {"clrmamepro ( rom ( size 4 ) )\nrom ( size 4 )\ngame ( name A sample ( x ( y ) ) rom ( size 4 name a dir ( z ) ) )",
         "A: 0 a"},
        {"game ( name A description \"" + longValue.substr(0, 65536) + "\" comment " + longValue.substr(0, 65536) +
             " description \"" + longValue.substr(0, 65536) + "\" rom ( size 4 name a ) )",
         "A: 0 a"},  // values across the reader's blocks
    };
    for (const auto& [text, expected] : kept) {
        const DatFile read = parseDat(text);
        std::string shown;
        for (const std::string& game : read.games)
            shown += (shown.empty() ? "" : "|") + game;
        for (std::size_t i = 0; i < read.roms.size(); ++i)
            shown += (i ? ", " : ": ") + std::to_string(read.roms[i].game) + " " + read.roms[i].name;
        EXPECT_EQ(shown, expected) << text.substr(0, 100);
    }

    struct Bad {
        std::string text;
        std::string message;
        DatLimits limits{};
    };
    const Bad bad[] = {
        {"", "DAT, line 1: no element found"},
        {"<datafile>\n<game name=\"A\">\n</datafile>", "DAT, line 3: mismatched tag"},
        {"<html></html>", "DAT is not a DAT file: it has no <datafile> element."},
        {"<datafile><game name=\"A\">\n<rom size=\"12\" crc=\"xyz\"/></game></datafile>", "DAT, line 2: bad crc \"xyz\""},
        {"<datafile><game><rom size=\"-1\"/></game></datafile>", "DAT, line 1: bad size \"-1\""},
        {"<datafile><game><rom size=\"18446744073709551616\"/></game></datafile>",
         "DAT, line 1: bad size \"18446744073709551616\""},
        {"<datafile><game><rom size=\"1\" sha1=\"abc\"/></game></datafile>", "DAT, line 1: bad sha1 \"abc\""},
        {"<datafile><game name=\"" + longValue.substr(0, 65536) + "\"><rom size=\"1\"/></game></datafile>",
         "DAT, line 1: a name longer than 4096 bytes"},
        {"<datafile><game><rom size=\"1\"/>\n<rom size=\"2\"/><rom size=\"3\"/></game></datafile>",
         "DAT, line 2: more than 2 entries", {4096, 2}},
        {"game ( name \"A\n rom ( size 4 ) )", "DAT, line 1: a quote that is not closed"},
        {"game ( name A\n rom ( size 4 )\n", "DAT, line 3: the block from line 1 is not closed"},
        {"game ( name A rom ( size 12x ) )", "DAT, line 1: bad size \"12x\""},
        {"game ( rom ( size 18446744073709551616 ) )", "DAT, line 1: bad size \"18446744073709551616\""},
        {"game (\nrom ( name abcde size 4 ) )", "DAT, line 2: a name longer than 4 bytes", {4, 10}},
        {"game ( rom ( size 1 ) rom ( size 2 )\nrom ( size 3 ) )", "DAT, line 2: more than 2 entries", {4096, 2}},
        {"game ( description " + longValue + " )", "DAT, line 1: a value longer than 65536 bytes"},
        {"game name A", "DAT, line 1: \"(\" expected after game"},
        {"game ( ( ) )", "DAT, line 1: unexpected \"(\""},
        {"game ( name A ) )", "DAT, line 1: unexpected \")\""},
    };
    for (const auto& [text, message, limits] : bad) {
        try {
            parseDat(text, limits);
            ADD_FAILURE() << "accepted: " << text.substr(0, 100);
        } catch (const DatError& error) {
            EXPECT_EQ(error.what(), message);
        }
    }
    try {
        readDat(folder / "missing.dat");
        ADD_FAILURE() << "a missing DAT was read";
    } catch (const DatError& error) {
        EXPECT_NE(std::string(error.what()).find("missing.dat"), std::string::npos);
    }
}

}  // namespace
}  // namespace kst::verify
