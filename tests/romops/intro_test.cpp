#include "romops/intro.h"
#include "support/synthetic_image.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace kst::ops {
namespace {

using test::Bytes;

TEST(FillByteTest, ComesFromTheSecondToLastByte)
{
    struct Case {
        Bytes image;
        std::uint8_t fill;
    };
    const Case cases[] = {
        {{0x12, 0x00, 0x34}, 0x00},
        {{0x12, 0xFF, 0x00}, 0xFF},
        {{0x12, 0x37, 0x00}, 0xFF},  // any value but 0x00 means 0xFF
        {{0x00, 0x01}, 0x00},
        {{0x00}, 0xFF},  // no second-to-last byte
        {{}, 0xFF},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fillByteOf(c.image), c.fill) << ::testing::PrintToString(c.image);
}

TEST(RemIntroTest, StandardEntryIsLeftAlone)
{
    Bytes image = test::makeImage(0x1000);
    image[3] = 0x12;  // byte 3 plays no part in the decision
    image[0x800] = 0xFF;
    EXPECT_FALSE(hasIntro(image));
    EXPECT_EQ(RemIntro(image, entryOf(image)), image);
}

// An intro reached through entry 00 10 00, a branch to 0x4008.
TEST(RemIntroTest, RestoresTheEntryAndBlanksFromTheTargetWithTheFillByte)
{
    struct Case {
        std::uint8_t secondToLast;
        std::uint8_t fill;
    };
    for (Case c : {Case{0x00, 0x00}, Case{0x37, 0xFF}}) {
        Bytes image = test::makeImage(0x6000);
        image[0] = 0x00;
        image[1] = 0x10;
        image[2] = 0x00;
        image[image.size() - 2] = c.secondToLast;
        ASSERT_TRUE(hasIntro(image));

        Bytes result = RemIntro(image, entryOf(image));
        ASSERT_EQ(result.size(), image.size());
        EXPECT_EQ(Bytes(result.begin(), result.begin() + 3), (Bytes{0x2E, 0x00, 0x00}));
        EXPECT_TRUE(std::equal(result.begin() + 3, result.begin() + 0x4008, image.begin() + 3));
        EXPECT_TRUE(std::all_of(result.begin() + 0x4008, result.end(), [&](auto b) { return b == c.fill; }))
            << "fill " << int(c.fill);
    }
}

// The target is compared with the length at its boundary: a branch to L
// blanks nothing, one to L - 4 blanks exactly the last four bytes.
TEST(RemIntroTest, BlanksOnlyFromTheTargetOn)
{
    struct Case {
        EntryBytes entry;
        std::size_t blanked;
    };
    const std::size_t length = 0x100;  // branch to 8 + 4 * 0x3E = 0x100 is the end
    for (Case c : {Case{{0x3E, 0, 0}, 0}, Case{{0x3D, 0, 0}, 4}, Case{{0x00, 0, 0}, length - 8}}) {
        Bytes image = test::makeImage(length);
        std::copy(c.entry.begin(), c.entry.end(), image.begin());
        Bytes result = RemIntro(image, c.entry);
        const std::size_t kept = length - c.blanked;
        EXPECT_TRUE(std::equal(result.begin() + 3, result.begin() + kept, image.begin() + 3)) << c.blanked;
        EXPECT_EQ(std::count(result.begin() + kept, result.end(), 0xFF), static_cast<long>(c.blanked));
    }
}

// A backward branch reads as a target far past the end: only the entry changes.
TEST(RemIntroTest, BackwardBranchOnlyRestoresTheEntry)
{
    Bytes image = test::makeImage(0x2000);
    image[0] = 0xFE;
    image[1] = 0xFF;
    image[2] = 0xFF;
    Bytes result = RemIntro(image, entryOf(image));
    ASSERT_NE(result, image);
    Bytes expected = image;
    expected[0] = 0x2E;
    expected[1] = 0x00;
    expected[2] = 0x00;
    EXPECT_EQ(result, expected);
}

}  // namespace
}  // namespace kst::ops
