// Images of 0 to 4 bytes: no operation may read or write outside them.
#include "platform/file_error.h"
#include "romops/exithack.h"
#include "romops/exithack_removal.h"
#include "romops/intro.h"
#include "romops/pipeline.h"
#include "romops/trim.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace kst::ops {
namespace {

using test::Bytes;

const Bytes tinyImages[] = {
    {},
    {0x00},
    {0xFF},
    {0x2E, 0x00},
    {0x00, 0x10},
    {0x2E, 0x00, 0x00},
    {0x00, 0x00, 0x00},
    {0x77, 0x00, 0x00},
    {0x00, 0x10, 0x00},
    {0x2E, 0x00, 0x00, 0xEA},
    {0x00, 0x00, 0x00, 0x00},
    {0xFF, 0xFF, 0xFF, 0xFF},
    {0x77, 0xFF, 0xFF, 0x00},
    {0x01, 0x00, 0x00, 0xEA},
};

TEST(TinyImagesTest, RemIntroKeepsTheLength)
{
    for (const Bytes& image : tinyImages) {
        EntryBytes entry{};
        std::copy_n(image.begin(), std::min<std::size_t>(image.size(), 3), entry.begin());
        Bytes result = RemIntro(image, entry);
        ASSERT_EQ(result.size(), image.size()) << ::testing::PrintToString(image);
        if (image.size() >= 3)
            EXPECT_EQ(entryOf(result), StandardEntry) << ::testing::PrintToString(image);
        else
            EXPECT_EQ(result, image);
    }
}

TEST(TinyImagesTest, RomTruncCutsOnlyWhenDataPrecedesTheRun)
{
    struct Case {
        Bytes image;
        Bytes trimmed;
    };
    const Case cases[] = {
        {{}, {}},
        {{0x00}, {0x00}},
        {{0x00, 0x00}, {0x00, 0x00}},
        {{0x00, 0x00, 0x00}, {0x00, 0x00, 0x00}},
        {{0x77, 0x00, 0x00}, {0x77, 0x00}},
        {{0x77, 0xFF, 0xFF, 0x00}, {0x77, 0x00}},
        {{0xFF, 0xFF, 0xFF, 0xFF}, {0xFF, 0xFF, 0xFF, 0xFF}},
        {{0x2E, 0x00, 0x00, 0xEA}, {0x2E, 0xEA}},
        {{0x01, 0x02, 0x03, 0x04}, {0x01, 0x02, 0x03, 0x04}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RomTrunc(c.image), c.trimmed) << ::testing::PrintToString(c.image);
}

TEST(TinyImagesTest, ExithackPadsToAWordAndSearchFindsNothing)
{
    const Bytes patch(ExitHackSignature.begin(), ExitHackSignature.end());
    for (const Bytes& image : tinyImages) {
        EXPECT_EQ(findExitHackSignature(image), std::nullopt);
        Bytes result = Exithack(image, patch, newEntryBytesLsbFirst(image.size()));
        if (image.empty()) {
            EXPECT_TRUE(result.empty());
            continue;
        }
        ASSERT_EQ(result.size(), 4 + patch.size()) << ::testing::PrintToString(image);
        EXPECT_EQ(findExitHackSignature(result), std::optional<std::size_t>(4));
    }
}

TEST(TinyImagesTest, FilesShorterThanTheEntryAreFileErrors)
{
    test::TempFolder folder;
    test::writeBytes(folder / "patch.wnt", Bytes(ExitHackSignature.begin(), ExitHackSignature.end()));
    for (std::size_t length = 0; length <= 4; ++length) {
        Bytes image{0x00, 0x10, 0x00, 0xEA};
        image.resize(length);
        test::writeBytes(folder / "in.gba", image);
        std::filesystem::remove(folder / "out.gba");
        if (length < 3) {
            EXPECT_THROW(Process(folder / "in.gba", folder / "out.gba", Actions{.all = true}, folder / "patch.wnt"),
                         FileError);
            EXPECT_THROW(RemoveEH(folder / "in.gba", folder / "out.gba"), FileError);
            EXPECT_FALSE(std::filesystem::exists(folder / "out.gba"));
        } else {
            Process(folder / "in.gba", folder / "out.gba", Actions{.all = true}, folder / "patch.wnt");
            EXPECT_EQ(test::readBytes(folder / "out.gba").size(), 4 + ExitHackSignature.size()) << length;
            EXPECT_EQ(RemoveEH(folder / "out.gba", folder / "back.gba"), RemoveEHOutcome::Written);
        }
    }
}

}  // namespace
}  // namespace kst::ops
