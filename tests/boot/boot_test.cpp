// Processed images must still start and run their game. These tests put our
// own test images (test_game.s) through the real operations, then boot the
// results in mGBA, read back what the game, the intro and the test patch
// (test_patch.s) left in work RAM, and compare the screen with the one the
// image showed before.

#include "boot/gba_runner.h"
#include "romops/exithack_removal.h"
#include "romops/pipeline.h"
#include "support/program_run.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <filesystem>
#include <set>
#include <sstream>

namespace kst::ops {
namespace {

using test::Bytes;
using test::BootResult;
using test::Cartridge;

const std::filesystem::path ImagesDir = BOOT_IMAGES_DIR;
const std::filesystem::path PatchFile = ImagesDir / "test_patch.wnt";
const std::filesystem::path ShippedPatchFile = KESTROM_SHIPPED_PATCH;
constexpr std::size_t MapOffset = 0x1F4;  // the map in test_game.s

std::uint32_t word(const Bytes& bytes, std::size_t offset)
{
    return bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 | std::uint32_t{bytes[offset + 3]} << 24;
}

// The checksum test_game.s computes: rotate left by one bit, add the byte.
std::uint32_t checksumOf(const Bytes& bytes, std::size_t begin, std::size_t end)
{
    std::uint32_t sum = 0;
    for (std::size_t i = begin; i < end; ++i)
        sum = std::rotl(sum, 1) + bytes[i];
    return sum;
}

// The value the console checks at 0xBD before it starts a cartridge.
bool complementHolds(const Bytes& image)
{
    std::uint8_t sum = 0;
    for (std::size_t i = 0xA0; i < 0xBD; ++i)
        sum = static_cast<std::uint8_t>(sum + image[i]);
    return image[0xBD] == static_cast<std::uint8_t>(-sum - 0x19);
}

struct TestImage {
    std::string name;
    Bytes bytes;
    std::size_t dataStart, dataEnd, idle;  // file offsets, from the image's map
    std::uint32_t checksum;                // computed here from the bytes
    bool intro;
    BootResult boot;                       // the image started as it is
};

// Every image CMake assembled, read once.
const std::vector<TestImage>& testImages()
{
    static const std::vector<TestImage> images = [] {
        std::vector<TestImage> all;
        for (const auto& entry : std::filesystem::directory_iterator(ImagesDir)) {
            if (entry.path().extension() != ".gba")
                continue;
            TestImage image{entry.path().stem().string(), test::readBytes(entry.path()), 0, 0, 0, 0, false, {}};
            image.dataStart = word(image.bytes, MapOffset);
            image.dataEnd = word(image.bytes, MapOffset + 4);
            image.idle = word(image.bytes, MapOffset + 8);
            image.checksum = checksumOf(image.bytes, image.dataStart, image.dataEnd);
            image.intro = !(image.bytes[0] == 0x2E && image.bytes[1] == 0 && image.bytes[2] == 0);
            image.boot = test::bootImage(image.bytes);
            all.push_back(std::move(image));
        }
        std::sort(all.begin(), all.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
        return all;
    }();
    return images;
}

std::string describe(const BootResult& run)
{
    std::ostringstream text;
    text << std::hex << "game marker 0x" << run.gameMarker << ", checksum 0x" << run.checksum << ", intro marker 0x"
         << run.introMarker << ", patch marker 0x" << run.patchMarker << ", patch entered at 0x" << run.patchEntry
         << ", pc 0x" << run.pc;
    return text.str();
}

// The game at 0xC0 ran to its idle loop over data that is all still there,
// and the player sees what the image showed before it was processed: the
// game draws its checksum and the registers it started with.
void expectGameRan(const BootResult& run, const TestImage& original)
{
    EXPECT_EQ(run.gameMarker, test::GameMarker) << describe(run);
    EXPECT_EQ(run.checksum, original.checksum) << describe(run);
    EXPECT_EQ(run.pc, Cartridge + original.idle) << describe(run);
    EXPECT_EQ(run.screen, original.boot.screen) << describe(run);
}

// The image after the real per-ROM pipeline, as Apply runs it.
Bytes processed(const TestImage& image, const Actions& actions, const std::filesystem::path& patchFile = PatchFile)
{
    test::TempFolder folder;
    test::writeBytes(folder / "in.gba", image.bytes);
    Process(folder / "in.gba", folder / "out.gba", actions, patchFile);
    return test::readBytes(folder / "out.gba");
}

TEST(BootTestImages, AreValidCartridgesWhoseGameRunsOverItsData)
{
    std::set<std::size_t> usedRemainders;
    std::set<std::uint8_t> paddings;
    bool intro = false, large = false;
    for (const TestImage& image : testImages()) {
        SCOPED_TRACE(image.name);
        EXPECT_EQ(image.bytes[3], 0xEA);
        EXPECT_EQ(image.bytes[0xB2], 0x96);
        EXPECT_TRUE(complementHolds(image.bytes));
        const auto data = image.bytes.begin() + static_cast<std::ptrdiff_t>(image.dataStart);
        const auto dataEnd = image.bytes.begin() + static_cast<std::ptrdiff_t>(image.dataEnd);
        EXPECT_NE(std::search_n(data, dataEnd, 32, 0x00), dataEnd) << "a run of 0x00 inside the data";
        EXPECT_NE(std::search_n(data, dataEnd, 32, 0xFF), dataEnd) << "a run of 0xFF inside the data";

        const BootResult& run = image.boot;
        expectGameRan(run, image);
        EXPECT_EQ(run.introMarker, image.intro ? test::IntroMarker : 0u) << describe(run);
        EXPECT_EQ(run.patchMarker, 0u) << describe(run);
        // What the screen shows follows the game's result, and nothing else.
        for (const TestImage& other : testImages())
            EXPECT_EQ(other.boot.screen == run.screen, other.checksum == image.checksum) << other.name;

        usedRemainders.insert(image.dataEnd % 4);
        if (image.bytes.size() > image.dataEnd)
            paddings.insert(image.bytes.back());
        intro = intro || image.intro;
        large = large || image.bytes.size() == 0x100000;
    }
    // The set the other tests rely on.
    EXPECT_EQ(usedRemainders, (std::set<std::size_t>{0, 1, 2, 3}));
    EXPECT_EQ(paddings, (std::set<std::uint8_t>{0x00, 0xFF}));
    EXPECT_TRUE(intro);
    EXPECT_TRUE(large);
}

TEST(BootAfterOperations, TruncateAndIntroRemovalKeepTheGameRunningAndTheIntroGone)
{
    const struct {
        const char* label;
        Actions actions;
    } cases[] = {
        {"Truncate", {.truncate = true}},
        {"Remove intro", {.removeIntro = true}},
        {"Remove intro and Truncate", {.removeIntro = true, .truncate = true}},
    };
    for (const auto& c : cases) {
        for (const TestImage& image : testImages()) {
            SCOPED_TRACE(std::string(c.label) + " on " + image.name);
            const Bytes out = processed(image, c.actions);
            const BootResult run = test::bootImage(out);
            expectGameRan(run, image);
            const bool introKept = image.intro && !c.actions.removeIntro;
            EXPECT_EQ(run.introMarker, introKept ? test::IntroMarker : 0u) << describe(run);
            EXPECT_EQ(run.patchMarker, 0u) << describe(run);
            if (c.actions.truncate && !introKept) {
                EXPECT_EQ(out.size(), image.dataEnd + (image.bytes.size() > image.dataEnd)) << "one fill byte kept";
            }
        }
    }
}

// The test patch records where it was entered; the shipped one only starts the game.
TEST(BootAfterOperations, TheEntryBranchLandsExactlyOnThePatchForEveryLength)
{
    const struct {
        const char* label;
        Actions actions;
        Actions before;  // what runs ahead of the patch
        std::filesystem::path patchFile;
    } cases[] = {
        {"Apply ExitHack", {.applyExitHack = true}, {}, PatchFile},
        {"All", {.all = true}, {.removeIntro = true, .truncate = true}, PatchFile},
        {"Apply ExitHack, shipped patch", {.applyExitHack = true}, {}, ShippedPatchFile},
        {"All, shipped patch", {.all = true}, {.removeIntro = true, .truncate = true}, ShippedPatchFile},
    };
    for (const auto& c : cases) {
        const Bytes patch = test::readBytes(c.patchFile);
        const bool records = c.patchFile == PatchFile;
        std::set<std::size_t> remainders;
        for (const TestImage& image : testImages()) {
            SCOPED_TRACE(std::string(c.label) + " on " + image.name);
            const std::size_t length = c.before.removeIntro ? processed(image, c.before).size() : image.bytes.size();
            remainders.insert(length % 4);

            const Bytes out = processed(image, c.actions, c.patchFile);
            ASSERT_GE(out.size(), length + patch.size());
            const std::size_t patchStart = out.size() - patch.size();
            EXPECT_TRUE(std::equal(patch.begin(), patch.end(), out.begin() + static_cast<std::ptrdiff_t>(patchStart)));

            const BootResult run = test::bootImage(out);
            EXPECT_EQ(run.patchMarker, records ? test::PatchMarker : 0u) << describe(run);
            EXPECT_EQ(run.patchEntry, records ? Cartridge + patchStart : 0u) << describe(run);
            expectGameRan(run, image);
            EXPECT_EQ(run.introMarker, 0u) << "the patch leads to the game, not the intro; " << describe(run);
        }
        EXPECT_EQ(remainders, (std::set<std::size_t>{0, 1, 2, 3})) << c.label;
    }
}

// The command-line tool, as a script over a collection would use it.
struct BootAfterPatchRemoval : ::testing::Test {
    test::TempFolder folder;
    const Bytes patch = test::readBytes(PatchFile);

    const TestImage& large()
    {
        for (const TestImage& image : testImages())
            if (image.name == "large")
                return image;
        throw std::runtime_error("no large test image");
    }
    // Runs kestrom-cli with "--output OUT" and the file, and returns OUT/NAME.gba.
    std::filesystem::path cli(std::vector<std::string> args, const std::filesystem::path& file, const std::string& out)
    {
        args.insert(args.end(), {"--output", (folder / out).string(), file.string()});
        const test::ProgramRun run = test::runProgram(KESTROM_CLI_PATH, folder, args);
        EXPECT_EQ(run.status, 0) << run.out << run.err;
        return folder / out / file.filename();
    }
    std::filesystem::path process(const std::string& actions, const std::filesystem::path& file, const std::string& out,
                                  const std::filesystem::path& patchFile = PatchFile)
    {
        return cli({"process", actions, "--patch", patchFile.string()}, file, out);
    }
    // Removal only takes an image whose three entry bytes are all non-zero.
    static bool removable(const Bytes& image) { return image[0] != 0x2E && image[1] != 0 && image[2] != 0; }
};

// With the patch the program ships, whose signature removal must find.
TEST_F(BootAfterPatchRemoval, GivesBackTheImageAsItWasAndItBoots)
{
    const Bytes shipped = test::readBytes(ShippedPatchFile);
    ASSERT_TRUE(std::equal(ExitHackSignature.begin(), ExitHackSignature.end(), shipped.begin()));
    const TestImage& original = large();
    test::writeBytes(folder / "large.gba", original.bytes);

    const Bytes patched = test::readBytes(process("--exithack", folder / "large.gba", "patched", ShippedPatchFile));
    ASSERT_TRUE(removable(patched));
    expectGameRan(test::bootImage(patched), original);

    const Bytes removed = test::readBytes(cli({"remove-eh"}, folder / "patched" / "large.gba", "removed"));
    EXPECT_EQ(removed, original.bytes);
    const BootResult run = test::bootImage(removed);
    expectGameRan(run, original);
    EXPECT_EQ(run.patchMarker, 0u) << describe(run);
}

TEST_F(BootAfterPatchRemoval, OfAnImagePatchedTwiceLeavesOneThatBoots)
{
    const TestImage& original = large();
    test::writeBytes(folder / "large.gba", original.bytes);
    const Bytes once = test::readBytes(process("--all", folder / "large.gba", "once"));
    const Bytes twice = test::readBytes(process("--exithack", folder / "once" / "large.gba", "twice"));
    ASSERT_TRUE(removable(twice));
    const BootResult twiceRun = test::bootImage(twice);
    EXPECT_EQ(twiceRun.patchEntry, Cartridge + twice.size() - patch.size()) << "the second copy runs";
    expectGameRan(twiceRun, original);

    // Removal cuts at the first copy: what the trimming and padding left.
    const Bytes removed = test::readBytes(cli({"remove-eh"}, folder / "twice" / "large.gba", "removed"));
    EXPECT_EQ(removed.size(), once.size() - patch.size());
    const BootResult run = test::bootImage(removed);
    expectGameRan(run, original);
    EXPECT_EQ(run.patchMarker, 0u) << describe(run);
}

}  // namespace
}  // namespace kst::ops
