// kestrom-cli check, fix-header and pad, run as a user runs them.

#include "romheader/complement.h"
#include "support/program_run.h"
#include "support/synthetic_image.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sys/stat.h>

namespace kst {
namespace {

using test::Bytes;

struct HeaderToolsCli : ::testing::Test {
    test::TempFolder folder;
    std::string out = (folder / "out").string();
    test::ProgramRun run(const std::vector<std::string>& args)
    {
        return test::runProgram(KESTROM_CLI_PATH, folder, args);
    }
    std::string write(const std::string& name, const Bytes& image)
    {
        const std::string path = (folder / name).string();
        test::writeBytes(path, image);
        return path;
    }
};

TEST_F(HeaderToolsCli, CheckFindsAWrongComplementAndFixHeaderStoresTheRightOneOnly)
{
    Bytes good = test::makeImage(0x8000);
    good[0xBD] = test::referenceComplement(good);
    Bytes bad = test::makeImage(0x8001, "BROKEN");
    bad[0xBD] = 0x12;
    Bytes intro = good;
    intro[1] = 0x10;
    const std::string goodPath = write("good.gba", good);
    const std::string badPath = write("bad.gba", bad);
    const std::string introPath = write("intro.gba", intro);
    const std::string shortPath = write("short.gba", Bytes(0xBD, 0));
    const std::string lockedPath = write("locked.gba", bad);
    test::makeReadOnly(lockedPath);
    chmod(badPath.c_str(), 0640);
    test::makeReadOnly(goodPath);  // checking only reads

    test::ProgramRun check = run({"check", goodPath, badPath, introPath, shortPath});
    EXPECT_EQ(check.status, 1);
    char right[8];
    std::snprintf(right, sizeof right, "0x%02X", test::referenceComplement(bad));
    EXPECT_EQ(check.out, goodPath + "\tcomplement correct\tno intro\tno ExitHack\tfull size\n" +
                             badPath + "\tcomplement wrong (0x12, should be " + std::string(right) + ")\tno intro\tno ExitHack\ttrimmed\n" +
                             introPath + "\tcomplement correct\tintro\tno ExitHack\tfull size\n");
    EXPECT_EQ(check.err, shortPath + ": The file is too short to hold a cartridge header.\n");
    // A wrong complement alone fails the check; an intro does not.
    EXPECT_EQ(run({"check", goodPath, badPath}).status, 1);
    EXPECT_EQ(run({"check", goodPath, introPath}).status, 0);

    test::ProgramRun fix = run({"fix-header", goodPath, badPath, lockedPath});
    EXPECT_EQ(fix.status, 1);
    EXPECT_EQ(fix.err.rfind(lockedPath + ": ", 0), 0u) << fix.err;
    EXPECT_EQ(test::readBytes(lockedPath), bad);
    EXPECT_EQ(fix.out, goodPath + "\tcomplement already correct\n" + badPath + "\tcomplement fixed (" + std::string(right) +
                           ", was 0x12)\n");
    Bytes fixed = bad;
    fixed[0xBD] = test::referenceComplement(bad);
    EXPECT_EQ(test::readBytes(badPath), fixed);
    EXPECT_EQ(test::readBytes(goodPath), good);
    struct stat info {};
    ASSERT_EQ(::stat(badPath.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);

    EXPECT_EQ(run({"check", badPath}).status, 0);
    // No temporary file is left beside the image.
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        EXPECT_EQ(entry.path().string().find(".kst-"), std::string::npos) << entry.path();
}

TEST_F(HeaderToolsCli, PadThenTrimGivesBackTheTrimmedImage)
{
    Bytes full = test::makeImage(0x10000);
    std::fill(full.begin() + 0x9000, full.end(), 0xFF);
    const std::string fullPath = write("Game.gba", full);
    ASSERT_EQ(run({"process", "--truncate", "--prefix", "", "--output", (folder / "trimmed").string(), fullPath}).status, 0);
    const std::string trimmed = (folder / "trimmed" / "Game.gba").string();
    ASSERT_EQ(test::readBytes(trimmed).size(), 0x9001u);

    test::ProgramRun pad = run({"pad", "--output", out, trimmed});
    EXPECT_EQ(pad.status, 0) << pad.err;
    EXPECT_EQ(test::readBytes(out + "/Game.gba"), full);
    ASSERT_EQ(run({"process", "--truncate", "--prefix", "again-", "--output", out, out + "/Game.gba"}).status, 0);
    EXPECT_EQ(test::readBytes(out + "/again-Game.gba"), test::readBytes(trimmed));
}

TEST_F(HeaderToolsCli, PadRefusesToReplaceItsSourceAndBadOptions)
{
    const std::string game = write("Game.gba", test::makeImage(0x401));
    test::ProgramRun same = run({"pad", "--output", folder.path().string(), game});
    EXPECT_EQ(same.status, 1);
    EXPECT_EQ(same.err, game + " would replace the source file " + game + "; nothing was written.\n");
    EXPECT_EQ(test::readBytes(game).size(), 0x401u);

    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"pad", game},                                   // no output folder
             {"pad", "--fill", "7F", "--output", out, game},  // not a fill value
             {"pad", "--prefix", "x", "--output", out, game},
             {"check", "--output", out, game},
             {"fix-header", "--fill", "00", game},
             {"pad", "--output", out, game, (folder / "other" / "Game.gba").string()},  // same copy twice
         }) {
        test::ProgramRun r = run(args);
        EXPECT_EQ(r.status, 2) << ::testing::PrintToString(args);
        EXPECT_TRUE(r.err.ends_with("Try 'kestrom-cli --help'.\n")) << r.err;
    }
    EXPECT_FALSE(std::filesystem::exists(out));
}

}  // namespace
}  // namespace kst
