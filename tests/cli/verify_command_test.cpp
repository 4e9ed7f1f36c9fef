#include "romops/entry.h"
#include "romops/exithack_removal.h"
#include "support/program_run.h"
#include "support/synthetic_image.h"
#include "support/temp_folder.h"
#include "support/zip_writer.h"

#include <gtest/gtest.h>

namespace kst {
namespace {

using test::Bytes;
using test::datGameImage;

const std::string Dat = "<?xml version=\"1.0\"?>\n<datafile>\n  <game name=\"Alpha (Europe)\">\n"
                        "    <rom name=\"Alpha/Beta&#9;(E).GBA\" " + test::AlphaRom + "/>\n  </game>\n"
                        "  <game name=\"Gamma\"><rom name=\"Gamma (World).gba\" size=\"4096\" crc=\"ccb09ba9\"/></game>\n"
                        "  <game name=\"Delta\"><rom name=\"d.gba\" size=\"8\" crc=\"00000000\"/></game>\n</datafile>\n";

struct VerifyCli : ::testing::Test {
    test::TempFolder folder;
    std::string dat = (folder / "games.dat").string();
    std::string full = (folder / "full.gba").string();
    std::string trimmed = (folder / "trimmed.gba").string();
    std::string zip = (folder / "roms.zip").string();

    void SetUp() override
    {
        test::writeBytes(dat, Bytes(Dat.begin(), Dat.end()));
        test::writeBytes(full, datGameImage(4096));
        test::writeBytes(trimmed, datGameImage(3001));
        Bytes other = datGameImage(4096);
        other[4000] = 0;
        test::writeBytes(zip, test::zipArchive({test::deflatedEntry("a.gba", datGameImage(3001)),
                                                test::deflatedEntry("b.gba", other)}));
    }
    test::ProgramRun run(std::vector<std::string> args)
    {
        args.insert(args.begin(), "verify");
        return test::runProgram(KESTROM_CLI_PATH, folder, args);
    }
};

TEST_F(VerifyCli, PrintsAVerdictPerImageAndMember)
{
    test::ProgramRun good = run({"--dat", dat, full, trimmed});
    EXPECT_EQ(good.status, 0) << good.err;
    EXPECT_EQ(good.out, full + "\tverified\tAlpha (Europe)\n" + trimmed + "\tverified-padded\tAlpha (Europe)\n");

    test::ProgramRun mixed = run({"--dat=" + dat, zip});
    EXPECT_EQ(mixed.status, 1);  // b.gba is unknown
    EXPECT_EQ(mixed.out, zip + ":a.gba\tverified-padded\tAlpha (Europe)\n" + zip + ":b.gba\tunknown\n");

    test::ProgramRun missing = run({"--dat", dat, (folder / "missing.gba").string(), full});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, full + "\tverified\tAlpha (Europe)\n");
    EXPECT_NE(missing.err.find("missing.gba"), std::string::npos);
}

TEST_F(VerifyCli, ProcessedImagesMissingGamesAndNamesFromTheDat)
{
    const std::string gamma = (folder / "gamma.gba").string(), patch = (folder / "patch.wnt").string();
    Bytes image = datGameImage(4096);
    std::copy(ops::StandardEntry.begin(), ops::StandardEntry.end(), image.begin());
    test::writeBytes(gamma, image);
    test::writeBytes(patch, Bytes(ops::ExitHackSignature.begin(), ops::ExitHackSignature.end()));
    const std::string out = (folder / "out").string();
    auto process = [&](std::vector<std::string> args) {
        args.insert(args.begin(), {"process", "--truncate", "--dat", dat, "--dat-names", "--prefix=p-", "--output", out});
        return test::runProgram(KESTROM_CLI_PATH, folder, args);
    };
    // An unknown image (b.gba) keeps its own name.
    test::ProgramRun named = process({"--exithack", "--patch", patch, gamma, zip});
    EXPECT_EQ(named.status, 0) << named.err;
    const std::string restored = out + "/p-Gamma (World).gba";
    EXPECT_TRUE(std::filesystem::exists(out + "/p-Alpha_Beta(E).gba"));
    EXPECT_TRUE(std::filesystem::exists(out + "/p-b.gba"));

    test::ProgramRun missing = run({"--dat", dat, "--missing", restored});
    EXPECT_EQ(missing.status, 0) << missing.err;
    EXPECT_EQ(missing.out, restored + "\tverified-restored\tGamma\nmissing\tAlpha (Europe)\nmissing\tDelta\nhave 1 of 3\n");

    // Two images of one game would take one name: nothing is written.
    test::ProgramRun twice = process({full, trimmed});
    EXPECT_EQ(twice.status, 2);
    EXPECT_NE(twice.err.find("would both be written to"), std::string::npos) << twice.err;
}

TEST_F(VerifyCli, UsageErrorsAndUnreadableDatsExitWithTwo)
{
    const std::string broken = (folder / "broken.dat").string();
    test::writeBytes(broken, Bytes{'<', 'd', 'a', 't', 'a'});
    const std::vector<std::vector<std::string>> invocations = {
        {full},                                           // no DAT
        {"--dat", dat},                                   // no file
        {"--dat"},
        {"--dat", dat, "--bogus", full},
        {"--dat", (folder / "none.dat").string(), full},  // missing DAT
        {"--dat", broken, full},                          // malformed DAT
    };
    for (const auto& args : invocations) {
        test::ProgramRun r = run(args);
        EXPECT_EQ(r.status, 2) << ::testing::PrintToString(args);
        EXPECT_TRUE(r.err.ends_with("Try 'kestrom-cli --help'.\n")) << r.err;
        EXPECT_EQ(r.out, "");
    }
    EXPECT_EQ(run({"--dat", broken, full}).err.substr(0, broken.size() + 9), broken + ", line 1:");
}

}  // namespace
}  // namespace kst
