#include "romops/trim.h"
#include "support/synthetic_image.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace kst::ops {
namespace {

using test::Bytes;

// Some game data ahead of the bytes a case is about, so that the interesting
// part is the end of a real-sized image.
Bytes withData(const Bytes& tail)
{
    Bytes image = test::makeImage(0x200);
    image.insert(image.end(), tail.begin(), tail.end());
    return image;
}

Bytes tailOf(const Bytes& image, std::size_t n)
{
    return Bytes(image.end() - static_cast<std::ptrdiff_t>(n), image.end());
}

TEST(RomTruncTest, CutsTheRunBeforeTheLastByte)
{
    struct Case {
        Bytes tail;
        Bytes trimmedTail;
    };
    const Case cases[] = {
        {{0x77, 0x00, 0x00, 0x00}, {0x77, 0x00}},
        {{0x77, 0xFF, 0xFF, 0x00}, {0x77, 0x00}},  // the reference is 0xFF; the last 0x00 stays
        {{0x77, 0x00, 0x00, 0xFF}, {0x77, 0xFF}},
        {{0x12, 0x34, 0xFF, 0xFF, 0xFF, 0xFF}, {0x12, 0x34, 0xFF}},
        {{0xFF, 0x77, 0xFF, 0xFF, 0x00}, {0xFF, 0x77, 0x00}},  // fill inside the image stays
        {{0x77, 0xFF, 0xFF, 0x5A, 0x00}, {0x77, 0xFF, 0xFF, 0x5A, 0x00}},  // reference 0x5A: unchanged
    };
    for (const Case& c : cases) {
        const Bytes image = withData(c.tail);
        const Bytes trimmed = RomTrunc(image);
        const std::size_t cut = c.tail.size() - c.trimmedTail.size();
        ASSERT_EQ(trimmed.size(), image.size() - cut) << ::testing::PrintToString(c.tail);
        EXPECT_EQ(tailOf(trimmed, c.trimmedTail.size()), c.trimmedTail);
        EXPECT_TRUE(std::equal(trimmed.begin(), trimmed.end() - 1, image.begin()));
    }
}

TEST(RomTruncTest, SecondTrimRemovesOnlyWhatTheFirstLeftAsFill)
{
    Bytes once = RomTrunc(withData({0x5A, 0x00, 0x00, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(tailOf(once, 4), (Bytes{0x5A, 0x00, 0x00, 0xFF}));
    Bytes twice = RomTrunc(once);
    EXPECT_EQ(tailOf(twice, 2), (Bytes{0x5A, 0xFF}));
    EXPECT_EQ(RomTrunc(twice), twice);
}

// Nothing but fill before the last byte: the image stays whole rather than
// shrink to one byte.
TEST(RomTruncTest, AllFillImageIsLeftWhole)
{
    for (std::uint8_t fill : {0x00, 0xFF}) {
        for (std::size_t length : {3, 4, 33, 64, 65, 4096}) {
            Bytes image(length, fill);
            image.back() = 0x42;
            EXPECT_EQ(RomTrunc(image), image) << int(fill) << " " << length;
        }
    }
}

// The run is found in blocks; every position of the last used byte relative
// to those blocks must give the length the rule defines: up to the last
// differing byte, plus the last byte.
TEST(RomTruncTest, FindsTheLastUsedByteAtEveryOffset)
{
    for (std::uint8_t fill : {0x00, 0xFF}) {
        for (std::size_t used = 1; used <= 70; ++used) {
            for (std::size_t run = 1; run <= 70; ++run) {
                Bytes image(used, 0x77);
                image.resize(used + run, fill);
                image.push_back(0x99);
                Bytes trimmed = RomTrunc(image);
                ASSERT_EQ(trimmed.size(), used + 1) << "used " << used << " run " << run;
                ASSERT_EQ(trimmed.back(), 0x99);
                ASSERT_EQ(trimmed[used - 1], 0x77);
            }
        }
    }
}

}  // namespace
}  // namespace kst::ops
