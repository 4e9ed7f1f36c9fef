#include "platform/file_error.h"
#include "romops/exithack.h"
#include "romops/exithack_removal.h"
#include "support/synthetic_image.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace kst::ops {
namespace {

using test::Bytes;

const Bytes patch = [] {
    Bytes bytes(ExitHackSignature.begin(), ExitHackSignature.end());
    for (int i = 0; i < 40; ++i)
        bytes.push_back(static_cast<std::uint8_t>(0xA0 + i));
    return bytes;
}();

std::size_t branchTarget(EntryBytes entry)
{
    return 8 + 4 * (entry[0] | (std::size_t{entry[1]} << 8) | (std::size_t{entry[2]} << 16));
}

TEST(NewEntryOffsetTest, PointsAtThePaddedEnd)
{
    struct Case {
        std::uint64_t length;
        EntryBytes entry;
    };
    const Case cases[] = {
        {0x400000, {0xFE, 0xFF, 0x0F}},
        {0x2C5A9C, {0xA5, 0x16, 0x0B}},
        {0x40003, {0xFF, 0xFF, 0x00}},  // padded to 0x40004
        {0x40001, {0xFF, 0xFF, 0x00}},
        {0x40000, {0xFE, 0xFF, 0x00}},
        {0xC0, {0x2E, 0x00, 0x00}},
        {8, {0x00, 0x00, 0x00}},
        {0, {0xFE, 0xFF, 0xFF}},  // wraps within the 24-bit field
        {0x4000000, {0xFE, 0xFF, 0xFF}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(newEntryBytesLsbFirst(c.length), c.entry) << std::hex << c.length;
        if (c.length >= 8 && c.length <= 0x4000000) {
            EXPECT_EQ(branchTarget(c.entry), paddedLength(c.length)) << std::hex << c.length;
        }
    }
}

// The branch offset is signed: 8 + 4 * 0x7FFFFF = 0x2000004 is as far as it reaches.
TEST(NewEntryOffsetTest, ReachesPatchesUpTo32MiBAndOneWordOnly)
{
    const std::pair<std::uint64_t, bool> cases[] = {
        {0x2000004, true},  {0x2000001, true},  {0x2000005, false}, {0x2000008, false},
        {0x3FFFFFC, false}, {0x4000000, false}, {0, true},          {0x400000, true},
    };
    for (const auto& [length, reachable] : cases)
        EXPECT_EQ(patchReachable(length), reachable) << std::hex << length;
}

TEST(ExithackTest, AppendsThePatchWhereTheBranchLands)
{
    for (std::size_t length : {std::size_t{0x400000}, std::size_t{0x2C5A9C}}) {
        Bytes image = test::makeImage(length);
        Bytes result = Exithack(image, patch, newEntryBytesLsbFirst(length));
        ASSERT_EQ(result.size(), length + patch.size());
        EXPECT_EQ(branchTarget(entryOf(result)), length);
        EXPECT_EQ(result[3], 0xEA);
        EXPECT_TRUE(std::equal(result.begin() + 3, result.begin() + static_cast<std::ptrdiff_t>(length), image.begin() + 3));
        EXPECT_TRUE(std::equal(patch.begin(), patch.end(), result.begin() + static_cast<std::ptrdiff_t>(length)));
    }
}

// An image whose length is not a multiple of 4 is padded with its fill byte,
// so that the branch lands on the patch and not up to 3 bytes before it.
TEST(ExithackTest, PadsAnUnalignedImageWithItsFillByte)
{
    for (std::uint8_t secondToLast : {0x00, 0x5A}) {
        const std::uint8_t fill = secondToLast == 0x00 ? 0x00 : 0xFF;
        Bytes image = test::makeImage(0x40003);
        image[image.size() - 2] = secondToLast;
        Bytes result = Exithack(image, patch, newEntryBytesLsbFirst(image.size()));

        ASSERT_EQ(result.size(), 0x40004 + patch.size());
        EXPECT_EQ(entryOf(result), (EntryBytes{0xFF, 0xFF, 0x00}));
        EXPECT_EQ(result[0x40003], fill);
        EXPECT_TRUE(std::equal(patch.begin(), patch.end(), result.begin() + 0x40004));
        EXPECT_EQ(findExitHackSignature(result), std::optional<std::size_t>(0x40004));
    }
}

TEST(ExithackTest, NothingToPatchOrNothingToPatchWith)
{
    EXPECT_EQ(Exithack({}, patch, newEntryBytesLsbFirst(0)), Bytes{});
    Bytes image = test::makeImage(0x100);
    EXPECT_EQ(Exithack(image, {}, newEntryBytesLsbFirst(image.size())), image);
}

TEST(ReadPatchTest, ReadsTheWholeFileAndRefusesAnEmptyOne)
{
    test::TempFolder folder;
    test::writeBytes(folder / "patch.wnt", patch);
    test::makeReadOnly(folder / "patch.wnt");  // only read, so write protection does not matter
    EXPECT_EQ(readPatch(folder / "patch.wnt"), patch);

    test::writeBytes(folder / "empty.wnt", {});
    EXPECT_THROW(readPatch(folder / "empty.wnt"), FileError);
    EXPECT_THROW(readPatch(folder / "missing.wnt"), FileError);
    EXPECT_THROW(readPatch(folder.path()), FileError);
}

TEST(ReadPatchTest, ShippedPatchBeginsWithTheSignature)
{
    Bytes shipped = readPatch(KESTROM_SHIPPED_PATCH);
    EXPECT_EQ(findExitHackSignature(shipped), std::optional<std::size_t>(0));
}

}  // namespace
}  // namespace kst::ops
