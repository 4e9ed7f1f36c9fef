#include "platform/file_error.h"
#include "platform/files.h"
#include "romheader/header.h"
#include "support/synthetic_image.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace kst {
namespace {

using test::Bytes;

TEST(CompanyTest, DecodesTheMakerBytes)
{
    // The code as readheader gives it: the two bytes cut before their first 0x00.
    const std::pair<std::string, std::string> cases[] = {
        {"01", "Nintendo"}, {"00", "Home made"}, {"ZZ", "Unknown"},
        {"0h", "Unknown"},  // no case folding against "0H"
        {"0H", "Starfish"}, {"EM", "Konami Japan"}, {"6L", "BAM!"},
        {"", "-Bad-"},     // 00 00
        {"A", "-Bad-"},    // 41 00
    };
    for (const auto& [code, name] : cases)
        EXPECT_EQ(company(code), name) << code;
}

TEST(CompanyTest, LengthIsTestedBeforeTheTable)
{
    EXPECT_STREQ(company("010"), "-Bad-");
    EXPECT_STREQ(company(""), "-Bad-");
}

TEST(CountryTest, MapsExactBytes)
{
    const std::pair<std::uint8_t, std::string> cases[] = {
        {0x44, "Germany"}, {0x45, "USA"},   {0x46, "France"},  {0x49, "Italy"},   {0x4A, "Japan"},
        {0x50, "Europe"},  {0x53, "Spain"}, {0x58, "Multi"},   {0x6A, "Unknown"}, {0x00, "Unknown"},
        {0xFF, "Unknown"},
    };
    for (const auto& [letter, name] : cases)
        EXPECT_EQ(country(letter), name) << int(letter);
}

TEST(ParseHeaderTest, ReadsEachFieldAtItsOffsetAndLeavesOutWhatTheBytesDoNotReach)
{
    test::ImageSpec spec;
    spec.internalName = "PARSEME";
    spec.gameCode = "XYZ";
    spec.countryLetter = 'P';
    spec.makerCode = "6W";
    spec.padding = 0xFF;
    const Bytes image = test::makeImage(spec);
    struct Case {
        std::size_t length;  // how many of the image's first bytes are parsed
        std::string name;
        std::uint8_t country;
        std::string maker;
    };
    const Case cases[] = {
        {image.size(), "PARSEME", 'P', "6W"},
        {header::MinimumSize, "PARSEME", 'P', "6W"},
        {header::MinimumSize - 1, "PARSEME", 'P', ""},
        {header::CountryOffset, "PARSEME", 0, ""},
        {header::InternalNameOffset + header::InternalNameLength - 1, "", 0, ""},
        {0, "", 0, ""},
    };
    for (const Case& c : cases) {
        RomHeader h = parseHeader(std::span(image).first(c.length), 0x12345);
        EXPECT_EQ(h.size, 0x12345u);
        EXPECT_EQ(h.internalName, c.name) << c.length;
        EXPECT_EQ(h.countryLetter, c.country) << c.length;
        EXPECT_EQ(h.makerCode, c.maker) << c.length;
    }
    EXPECT_EQ(Bytes(image.begin(), image.begin() + 4), (Bytes{0x2E, 0x00, 0x00, header::BranchOpcode}));
    EXPECT_EQ(image[header::FixedValueOffset], header::FixedValue);
}

class ReadHeaderTest : public testing::Test {
protected:
    RomHeader read(const Bytes& bytes)
    {
        std::filesystem::path path = folder / "x.gba";
        test::writeBytes(path, bytes);
        RomFile file(path);
        return readheader(file);
    }
    test::TempFolder folder;
};

TEST_F(ReadHeaderTest, NeedsTheMakerCodeBytes)
{
    EXPECT_THROW(read(Bytes(177, 0x41)), FileError);
    RomHeader h = read(test::makeImage(178, "ABC", 'J', "01"));
    EXPECT_EQ(h.size, 178u);
    EXPECT_EQ(h.internalName, "ABC");
    EXPECT_EQ(h.countryLetter, 'J');
    EXPECT_EQ(h.makerCode, "01");
}

TEST_F(ReadHeaderTest, CutsTheNameAtItsFirstZero)
{
    struct Case {
        Bytes name;
        std::string expected;
    };
    const Case cases[] = {
        {{0x41, 0x42, 0x43, 0, 0, 0, 0, 0, 0, 0, 0, 0}, "ABC"},
        {{0x41, 0x42, 0, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48, 0x49, 0x4A, 0x4B}, "AB"},
        {Bytes(12, 0x20), std::string(12, ' ')},
        {{0, 0x41, 0x41, 0x41, 0x41, 0x41, 0x41, 0x41, 0x41, 0x41, 0x41, 0x41}, ""},
        {Bytes(12, 0xE9), std::string(12, '\xE9')},  // bytes are kept as they are
    };
    for (const Case& c : cases) {
        Bytes image = test::makeImage(0x200);
        std::copy(c.name.begin(), c.name.end(), image.begin() + 0xA0);
        EXPECT_EQ(read(image).internalName, c.expected);
    }
}

TEST_F(ReadHeaderTest, ReadOnlyFileCannotBeOpened)
{
    std::filesystem::path path = folder / "ro.gba";
    test::writeBytes(path, test::makeImage(0x200));
    test::makeReadOnly(path);
    EXPECT_THROW(RomFile{path}, FileError);
}

}  // namespace
}  // namespace kst
