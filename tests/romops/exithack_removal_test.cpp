#include "platform/file_error.h"
#include "romops/exithack.h"
#include "romops/exithack_removal.h"
#include "romops/pipeline.h"
#include "support/synthetic_image.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace kst::ops {
namespace {

using test::Bytes;

const Bytes signature(ExitHackSignature.begin(), ExitHackSignature.end());

Bytes patchBytes()
{
    Bytes bytes = signature;
    bytes.insert(bytes.end(), {0x2D, 0xE5, 0x1E, 0xFF, 0x2F, 0xE1});
    return bytes;
}

TEST(FindSignatureTest, FindsTheFirstOccurrence)
{
    struct Case {
        std::size_t imageSize;
        std::vector<std::size_t> placedAt;
        std::optional<std::size_t> found;
    };
    const Case cases[] = {
        {0x1000, {}, std::nullopt},
        {0x1000, {0x800}, 0x800},
        {0x1000, {0x300, 0x800}, 0x300},  // game data holding the signature wins
        {0x1000, {0x401, 0x413}, 0x401},  // two in one block of the scan
        {0x1000, {0}, 0},
        {0x1000, {0x1000 - 18}, 0x1000 - 18},
        {17, {}, std::nullopt},
    };
    for (const Case& c : cases) {
        Bytes image(c.imageSize, 0xFF);
        for (std::size_t at : c.placedAt)
            std::copy(signature.begin(), signature.end(), image.begin() + static_cast<std::ptrdiff_t>(at));
        EXPECT_EQ(findExitHackSignature(image), c.found);
    }
}

// The scan runs in blocks with a bytewise tail: every length and every
// position around the block edges must give the same answer.
TEST(FindSignatureTest, FindsItAtEveryPositionOfEveryLength)
{
    for (std::size_t length = 18; length <= 120; ++length) {
        for (std::size_t at = 0; at + 18 <= length; ++at) {
            Bytes image(length, 0x00);
            std::copy(signature.begin(), signature.end(), image.begin() + static_cast<std::ptrdiff_t>(at));
            ASSERT_EQ(findExitHackSignature(image), std::optional<std::size_t>(at)) << length << " " << at;
        }
    }
}

// Near misses: both probe bytes of the fast scan match but another does not,
// or the signature is cut off by the end of the image.
TEST(FindSignatureTest, SkipsNearMisses)
{
    struct NearMiss {
        std::ptrdiff_t at;
        std::ptrdiff_t wrongByte;
    };
    Bytes image(0x100, 0xE2);
    for (NearMiss miss : {NearMiss{0x10, 0}, NearMiss{0x30, 9}, NearMiss{0x50, 17}}) {
        std::copy(signature.begin(), signature.end(), image.begin() + miss.at);
        image[static_cast<std::size_t>(miss.at + miss.wrongByte)] ^= 0x80;
    }
    std::copy(signature.begin(), signature.end() - 1, image.end() - 17);
    EXPECT_EQ(findExitHackSignature(image), std::nullopt);

    std::copy(signature.begin(), signature.end(), image.begin() + 0x70);
    EXPECT_EQ(findExitHackSignature(image), std::optional<std::size_t>(0x70));
}

struct RemoveEHFixture : ::testing::Test {
    test::TempFolder folder;
    std::filesystem::path input = folder / "in.gba";
    std::filesystem::path output = folder / "out.gba";
    std::filesystem::path patchFile = folder / "patch.wnt";

    void SetUp() override { test::writeBytes(patchFile, patchBytes()); }

    // The image as the patch step leaves it.
    Bytes patched(const Bytes& original)
    {
        return Exithack(original, patchBytes(), newEntryBytesLsbFirst(original.size()));
    }
};

// Patch then remove gives the original back, followed by the padding that
// put the patch on a word boundary. Images under 256 KiB get an entry with a
// zero high byte and still count as patched.
TEST_F(RemoveEHFixture, UndoesThePatch)
{
    struct Case {
        std::size_t length;
        std::uint8_t secondToLast;
        Bytes padding;
    };
    const Case cases[] = {
        {0x400000, 0x12, {}},
        {0x40000, 0x12, {}},
        {0x40003, 0x12, {0xFF}},
        {0x40001, 0x00, {0x00, 0x00, 0x00}},
        {0x1002, 0x12, {0xFF, 0xFF}},
        {0xC4, 0x12, {}},
    };
    for (const Case& c : cases) {
        Bytes original = test::makeImage(c.length);
        original[c.length - 2] = c.secondToLast;
        test::writeBytes(input, original);
        ProcessOutcome processed = Process(input, input, Actions{.applyExitHack = true}, patchFile);
        ASSERT_FALSE(processed.patchMissing);

        ASSERT_EQ(RemoveEH(input, output), RemoveEHOutcome::Written) << std::hex << c.length;
        Bytes expected = original;
        expected.insert(expected.end(), c.padding.begin(), c.padding.end());
        EXPECT_EQ(test::readBytes(output), expected) << std::hex << c.length;
    }
}

TEST_F(RemoveEHFixture, StandardEntryIsNotPatched)
{
    test::writeBytes(input, test::makeImage(0x1000));
    EXPECT_EQ(RemoveEH(input, output), RemoveEHOutcome::NotPatched);
    EXPECT_FALSE(std::filesystem::exists(output));
}

TEST_F(RemoveEHFixture, RedirectedEntryWithoutPatchIsReported)
{
    Bytes image = test::makeImage(0x1000);
    image[0] = 0x00;
    image[1] = 0x02;
    test::writeBytes(input, image);
    EXPECT_EQ(RemoveEH(input, output), RemoveEHOutcome::SignatureNotFound);
    EXPECT_FALSE(std::filesystem::exists(output));
}

// An intro's branch is not brought back: the entry becomes the standard one,
// byte 3 keeps its value, and the cut is at the first signature.
TEST_F(RemoveEHFixture, RestoresTheStandardEntryAndCutsAtTheFirstSignature)
{
    Bytes image = test::makeImage(0x1000);
    image[0] = 0x00;
    image[1] = 0x10;
    image[3] = 0xEB;
    std::copy(signature.begin(), signature.end(), image.begin() + 0x600);
    Bytes withPatch = patched(image);
    test::writeBytes(input, withPatch);

    ASSERT_EQ(RemoveEH(input, input), RemoveEHOutcome::Written);
    Bytes expected(image.begin(), image.begin() + 0x600);
    expected[0] = 0x2E;
    expected[1] = 0x00;
    EXPECT_EQ(test::readBytes(input), expected);
}

TEST_F(RemoveEHFixture, FileErrorsReachTheCaller)
{
    EXPECT_THROW(RemoveEH(folder / "missing.gba", output), FileError);

    test::writeBytes(input, {0x00, 0x10});
    EXPECT_THROW(RemoveEH(input, output), FileError);

    test::writeBytes(input, patched(test::makeImage(0x1000)));
    EXPECT_THROW(RemoveEH(input, folder / "no-such-folder" / "out.gba"), FileError);

    test::makeReadOnly(input);
    EXPECT_THROW(RemoveEH(input, output), FileError);
    EXPECT_FALSE(std::filesystem::exists(output));
}

TEST(RemoveEHSourcePathTest, TakesTheExtensionFromTheInputCell)
{
    struct Case {
        const char* dir;
        const char* name;
        const char* input;
        const char* path;
    };
    const Case cases[] = {
        {"/roms/", "Game", "/roms/Game.GBA", "/roms/Game.GBA"},
        {"/roms/", "Renamed", "/roms/Game.gba", "/roms/Renamed.gba"},
        {"/tmp/kestrom/", "A", "/tmp/kestrom/A.Gba", "/tmp/kestrom/A.Gba"},
        {"/roms/", "X", "ab", "/roms/X.gba"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(removeEHSourcePath(c.dir, c.name, c.input), c.path);
}

}  // namespace
}  // namespace kst::ops
