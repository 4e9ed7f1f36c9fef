#include "core/texts.h"
#include "platform/file_error.h"
#include "romops/exithack.h"
#include "romops/exithack_removal.h"
#include "romops/pipeline.h"
#include "support/synthetic_image.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <sys/resource.h>

namespace kst::ops {
namespace {

using test::Bytes;
using test::entriesIn;

struct ProcessFixture : ::testing::Test {
    test::TempFolder folder;
    std::filesystem::path source = folder / "Game.gba";
    std::filesystem::path output = folder / "KSZ-Game.gba";
    std::filesystem::path patchFile = folder / "patch.wnt";
    Bytes patch = [] {
        Bytes bytes(ExitHackSignature.begin(), ExitHackSignature.end());
        bytes.resize(64, 0xE1);
        return bytes;
    }();

    void SetUp() override { test::writeBytes(patchFile, patch); }

    std::string run(const Actions& actions)
    {
        return Process(source, output, actions, patchFile).logLine;
    }
};

// Game data up to 0x3000, an intro behind it reached through the entry
// branch, 0xFF padding to 0x8000.
Bytes imageWithIntro()
{
    Bytes image = test::makeImage(0x8000);
    image[0x2FFF] = 0x5A;
    std::fill(image.begin() + 0x3000, image.end(), 0xFF);
    std::fill(image.begin() + 0x3000, image.begin() + 0x3400, 0xC3);  // the intro
    image[0] = 0xFE;  // branch to 8 + 4 * 0xBFE = 0x3000
    image[1] = 0x0B;
    image[2] = 0x00;
    return image;
}

TEST_F(ProcessFixture, TagsFollowTheActionsInTheirFixedOrder)
{
    struct Case {
        Actions actions;
        Bytes image;
        std::string tags;
    };
    const Bytes plain = test::makeImage(0x1000);  // standard entry, last bytes no fill
    const Case cases[] = {
        {{.all = true}, imageWithIntro(), " [Intro removed] [Trimmed] [EH Applied]"},
        {{.all = true}, plain, " [No intro removed] [Already trimmed] [EH Applied]"},
        // All stands for the three whatever their own marks.
        {{.all = true, .truncate = true}, plain, " [No intro removed] [Already trimmed] [EH Applied]"},
        {{.truncate = true}, imageWithIntro(), " [Trimmed]"},
        {{.removeIntro = true, .applyExitHack = true}, imageWithIntro(), " [Intro removed] [EH Applied]"},
        {{.removeIntro = true, .truncate = true}, plain, " [No intro removed] [Already trimmed]"},
        {{.applyExitHack = true}, plain, " [EH Applied]"},
        {{}, plain, ""},
    };
    for (const Case& c : cases) {
        test::writeBytes(source, c.image);
        EXPECT_EQ(run(c.actions), source.string() + c.tags);
    }
}

// Intro removal blanks the intro with the fill, trimming then cuts it with
// the padding, leaving the game data and one fill byte; the patch follows
// the word-aligned end.
TEST_F(ProcessFixture, AllRemovesTheIntroTrimsAndPatchesTheTrimmedImage)
{
    const Bytes image = imageWithIntro();
    test::writeBytes(source, image);
    ProcessOutcome outcome = Process(source, output, Actions{.all = true}, patchFile);

    Bytes expected(image.begin(), image.begin() + 0x3000);
    expected[0] = 0x2E;
    expected[1] = 0x00;
    expected[2] = 0x00;
    expected.push_back(0xFF);
    expected.resize(0x3004, 0xFF);
    ASSERT_TRUE(outcome.newEntry);
    EXPECT_EQ(*outcome.newEntry, newEntryBytesLsbFirst(0x3001));
    std::copy(outcome.newEntry->begin(), outcome.newEntry->end(), expected.begin());
    expected.insert(expected.end(), patch.begin(), patch.end());
    EXPECT_EQ(test::readBytes(output), expected);
    EXPECT_EQ(test::readBytes(source), image);
}

TEST_F(ProcessFixture, NoActionTakingEffectWritesACopy)
{
    const Bytes image = test::makeImage(3 * 65536 + 123);
    test::writeBytes(source, image);
    EXPECT_EQ(run({.truncate = true}), source.string() + " [Already trimmed]");
    EXPECT_EQ(test::readBytes(output), image);
}

TEST_F(ProcessFixture, ProgressRunsFromZeroToTheFileSize)
{
    const std::uint64_t size = 3 * 65536 + 123;
    test::writeBytes(source, test::makeImage(size));
    std::vector<std::pair<std::uint64_t, std::uint64_t>> calls;
    RomOpHooks hooks;
    hooks.progress = [&](std::uint64_t done, std::uint64_t total) { calls.emplace_back(done, total); };
    Process(source, output, Actions{.all = true}, patchFile, hooks);

    ASSERT_EQ(calls.size(), 5u);  // the start, then one call per block
    EXPECT_EQ(calls.front().first, 0u);
    EXPECT_EQ(calls.back().first, size);
    for (std::size_t i = 0; i < calls.size(); ++i) {
        EXPECT_EQ(calls[i].second, size);
        if (i > 0) {
            EXPECT_EQ(calls[i].first, std::min<std::uint64_t>(i * 65536, size));
        }
    }
}

TEST_F(ProcessFixture, OutputMayBeTheSource)
{
    test::writeBytes(source, imageWithIntro());
    Process(source, output, Actions{.all = true}, patchFile);
    Process(source, source, Actions{.all = true}, patchFile);
    EXPECT_EQ(test::readBytes(source), test::readBytes(output));
}

TEST_F(ProcessFixture, MissingPatchLetsTheImagePassAndIsReported)
{
    const Bytes image = test::makeImage(0x1001);
    test::writeBytes(source, image);
    std::filesystem::remove(patchFile);
    std::vector<std::filesystem::path> reported;
    RomOpHooks hooks;
    hooks.patchMissing = [&](const std::filesystem::path& missing) { reported.push_back(missing); };

    ProcessOutcome outcome = Process(source, output, Actions{.applyExitHack = true}, patchFile, hooks);
    EXPECT_TRUE(outcome.patchMissing);
    EXPECT_EQ(outcome.logLine, source.string() + " [Not patched]");
    EXPECT_EQ(reported, std::vector<std::filesystem::path>{patchFile});
    EXPECT_EQ(test::readBytes(output), image);  // nothing padded either
}

TEST_F(ProcessFixture, EmptyPatchFileIsAFileErrorAndWritesNothing)
{
    test::writeBytes(source, test::makeImage(0x1000));
    test::writeBytes(patchFile, {});
    EXPECT_THROW(run({.applyExitHack = true}), FileError);
    EXPECT_FALSE(std::filesystem::exists(output));
}

TEST_F(ProcessFixture, UnusableSourceIsAFileError)
{
    EXPECT_THROW(run({.all = true}), FileError);  // missing

    test::writeBytes(source, test::makeImage(0x1000));
    test::makeReadOnly(source);
    EXPECT_THROW(run({.all = true}), FileError);
    EXPECT_FALSE(std::filesystem::exists(output));
}

// An image whose patch the entry branch cannot reach (beyond 32 MiB) goes out
// unpatched rather than with a wrong entry; one larger than 64 MiB is not read at all.
TEST_F(ProcessFixture, ImagesAtTheSizeLimit)
{
    constexpr std::uint64_t MiB64 = 64u << 20;
    for (std::uint64_t length : {std::uint64_t{0x2000008}, MiB64 - 3, MiB64 + 1, MiB64 + 8}) {
        test::writeBytes(source, Bytes{0x11, 0x22, 0x33, 0xEA});  // an entry that may lead to a patch
        std::filesystem::resize_file(source, length);              // sparse
        if (length > MiB64) {
            EXPECT_THROW(run({.applyExitHack = true}), FileTooLarge) << length;
            EXPECT_THROW(RemoveEH(source, output), FileTooLarge) << length;
            EXPECT_FALSE(std::filesystem::exists(output));
            continue;
        }
        ProcessOutcome outcome = Process(source, output, Actions{.applyExitHack = true}, patchFile);
        EXPECT_TRUE(outcome.patchOutOfReach);
        EXPECT_EQ(outcome.logLine, source.string() + " [Not patched]");
        EXPECT_EQ(std::filesystem::file_size(output), length);
        std::filesystem::remove(output);
    }
}

// A write cut short by the file-size limit: as root no permission bit stops a
// write, so the limit stands in for a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        savedHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved_;
        small.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, savedHandler_);
    }

private:
    rlimit saved_{};
    void (*savedHandler_)(int) = nullptr;
};

TEST_F(ProcessFixture, FailedWriteLeavesNoPartialOutputAndAWholeSource)
{
    const Bytes image = test::makeImage(200000);
    test::writeBytes(source, image);
    {
        FileSizeLimit limit(4096);
        EXPECT_THROW(run({.applyExitHack = true}), FileError);
        EXPECT_THROW(Process(source, source, Actions{.applyExitHack = true}, patchFile), FileError);
    }
    EXPECT_FALSE(std::filesystem::exists(output));
    EXPECT_EQ(test::readBytes(source), image);
    EXPECT_EQ(entriesIn(folder.path()), 2u);  // the source and the patch, no temporary file
}

// Runs an operation with at most 1 GiB of address space and ends the process
// with the message of the FileError it throws: status 0, or 1 for any other outcome.
template <typename Operation>
[[noreturn]] void runShortOfMemory(Operation operation)
{
    rlimit space {};
    ::getrlimit(RLIMIT_AS, &space);
    space.rlim_cur = rlim_t{1} << 30;
    ::setrlimit(RLIMIT_AS, &space);
    try {
        operation();
    } catch (const FileError& error) {
        std::fprintf(stderr, "FileError: %s\n", error.what());
        std::_Exit(0);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "other: %s\n", error.what());
    }
    std::_Exit(1);
}

TEST_F(ProcessFixture, OutOfMemoryIsAFileErrorNamingTheFile)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer cannot run under an address-space limit";
#endif
    GTEST_FLAG_SET(death_test_style, "fast");
    // Sparse files larger than the limit: nothing is written to the disk.
    const std::filesystem::path huge = folder / "Huge.gba";
    test::writeBytes(huge, test::makeImage(0x1000));
    std::filesystem::resize_file(huge, std::uintmax_t{4} << 30);
    const std::filesystem::path hugePatch = folder / "huge.wnt";
    test::writeBytes(hugePatch, patch);
    std::filesystem::resize_file(hugePatch, std::uintmax_t{4} << 30);
    const std::filesystem::path hugePatched = folder / "HugePatched.gba";
    test::writeBytes(hugePatched, Bytes{0x11, 0x22, 0x33, 0xEA});
    std::filesystem::resize_file(hugePatched, std::uintmax_t{4} << 30);
    test::writeBytes(source, test::makeImage(0x1000));

    EXPECT_EXIT(runShortOfMemory([&] { Process(huge, output, {.truncate = true}, patchFile); }),
                testing::ExitedWithCode(0), "FileError: " + huge.string());
    EXPECT_EXIT(runShortOfMemory([&] { Process(source, output, {.applyExitHack = true}, hugePatch); }),
                testing::ExitedWithCode(0), "FileError: " + hugePatch.string());
    EXPECT_EXIT(runShortOfMemory([&] { RemoveEH(hugePatched, output); }), testing::ExitedWithCode(0),
                "FileError: " + hugePatched.string());
    EXPECT_FALSE(std::filesystem::exists(output));
}

}  // namespace
}  // namespace kst::ops
