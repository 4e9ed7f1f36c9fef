#include "romops/exithack.h"
#include "romops/exithack_removal.h"
#include "support/synthetic_image.h"
#include "support/temp_folder.h"
#include "verify/checksums.h"
#include "verify/dat_file.h"
#include "verify/verification.h"

#include <gtest/gtest.h>

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

std::string dat(const std::vector<std::pair<std::string, std::string>>& games)
{
    std::string xml = "<?xml version=\"1.0\"?>\n<!DOCTYPE datafile SYSTEM \"datafile.dtd\">\n<datafile>\n"
                      "<header><name>Test</name></header>\n";
    for (const auto& [name, rom] : games)
        xml += "<game name=\"" + name + "\"><description>x</description><rom name=\"g.gba\" " + rom + "/></game>\n";
    return xml + "</datafile>\n";
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
    const DatIndex index(
        parseDat(dat({{"Alpha 8K", AlphaDouble}, {"Alpha", AlphaFull}, {"Beta", BetaFull}, {"Gamma", GammaFull}})));
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
    for (const auto& [rom, verdict] : cases) {
        const DatIndex index(parseDat(dat({{"Alpha", rom}})));
        EXPECT_EQ(index.verify(datGameImage(3001)).verdict, verdict) << rom;
    }
}

TEST(DatFileTest, ReadsEntriesAndRefusesWhatIsNoDat)
{
    test::TempFolder folder;
    const auto path = folder / "games.dat";
    test::writeBytes(path, [] {
        const std::string xml = dat({{"Caf&#233; &amp; Co", AlphaFull}});
        return Bytes(xml.begin(), xml.end());
    }());
    const DatFile read = readDat(path);
    const std::vector<DatRom>& roms = read.roms;
    ASSERT_EQ(roms.size(), 1u);
    EXPECT_EQ(read.games, std::vector<std::string>{"Caf\xC3\xA9 & Co"});
    EXPECT_EQ(roms[0].game, 0u);
    EXPECT_EQ(roms[0].name, "g.gba");
    EXPECT_EQ(roms[0].size, 4096u);
    EXPECT_EQ(roms[0].crc, 0x3e1914fbu);

    EXPECT_TRUE(parseDat("<datafile/>").roms.empty());
    EXPECT_TRUE(parseDat(R"(<datafile><game name="A"><rom name="a" status="nodump"/></game></datafile>)").roms.empty());

    const std::pair<std::string, std::string> bad[] = {  // the DAT, the message
        {"", "DAT, line 1: no element found"},
        {"<datafile>\n<game name=\"A\">\n</datafile>", "DAT, line 3: mismatched tag"},
        {"<html></html>", "DAT is not a DAT file: it has no <datafile> element."},
        {"<datafile><game name=\"A\">\n<rom size=\"12\" crc=\"xyz\"/></game></datafile>", "DAT, line 2: bad crc \"xyz\""},
        {"<datafile><game><rom size=\"-1\"/></game></datafile>", "DAT, line 1: bad size \"-1\""},
        {"<datafile><game><rom size=\"1\" sha1=\"abc\"/></game></datafile>", "DAT, line 1: bad sha1 \"abc\""},
    };
    for (const auto& [xml, message] : bad) {
        try {
            parseDat(xml);
            ADD_FAILURE() << "accepted: " << xml;
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
