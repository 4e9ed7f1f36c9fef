#include "romops/internal_name.h"
#include "romops/exithack_removal.h"
#include "support/program_run.h"
#include "support/synthetic_image.h"
#include "support/temp_folder.h"
#include "support/zip_writer.h"

#include <gtest/gtest.h>

#include <stdlib.h>

namespace kst {
namespace {

using test::Bytes;
using CliRun = test::ProgramRun;

struct CliFixture : ::testing::Test {
    test::TempFolder folder;
    std::string out = (folder / "out").string();
    std::string game = (folder / "Game.gba").string();
    std::string patch = (folder / "patch.wnt").string();

    void SetUp() override
    {
        Bytes image = test::makeImage(0x2000, "TESTGAME", 'E', "01");
        std::fill(image.begin() + 0x1800, image.end(), 0xFF);
        test::writeBytes(game, image);
        test::writeBytes(patch, Bytes(ops::ExitHackSignature.begin(), ops::ExitHackSignature.end()));
    }
    CliRun run(const std::vector<std::string>& args) { return test::runProgram(KESTROM_CLI_PATH, folder, args); }
};

TEST_F(CliFixture, ProcessWritesTheOutputNameAndPrintsTheLogLine)
{
    CliRun r = run({"process", "--truncate", "--prefix", "KSZ-", "--suffix=-t", "--output", out, game});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, game + " [Trimmed]\n");
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(test::readBytes(out + "/KSZ-Game-t.gba").size(), 0x1801u);
}

TEST_F(CliFixture, UsageErrorsExitWithTwo)
{
    const std::vector<std::vector<std::string>> invocations = {
        {},
        {"frobnicate", game},
        {"process", "--truncate", game},                         // no output folder
        {"process", "--output", out, game},                      // no action
        {"process", "--truncate", "--output", out},              // no file
        {"process", "--truncate", "--bogus", "--output", out, game},
        {"process", "--truncate", "--output"},
        {"remove-eh", "--all", "--output", out, game},           // not an option of remove-eh
        {"process", "--all", "--output", out, game, (folder / "Game.GBA").string()},  // same output name
    };
    for (const auto& args : invocations) {
        CliRun r = run(args);
        EXPECT_EQ(r.status, 2) << ::testing::PrintToString(args);
        EXPECT_NE(r.err.find("Usage:"), std::string::npos);
        EXPECT_EQ(r.out, "");
    }
    EXPECT_FALSE(std::filesystem::exists(out));

    CliRun help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage:", 0), 0u);
}

TEST_F(CliFixture, AFailingFileDoesNotStopTheOthers)
{
    const std::string missing = (folder / "Missing.gba").string();
    CliRun r = run({"process", "--all", "--patch", patch, "--output", out, missing, game});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, game + " [No intro removed] [Trimmed] [EH Applied]\n");
    EXPECT_NE(r.err.find(missing), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(out + "/Game.gba"));
}

TEST_F(CliFixture, MissingPatchStillWritesAndFails)
{
    const std::string nowhere = (folder / "nowhere.wnt").string();
    CliRun r = run({"process", "--exithack", "--patch", nowhere, "--output", out, game});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, game + " [Not patched]\n");
    EXPECT_NE(r.err.find(nowhere + ": The file 'patch.wnt' is missing."), std::string::npos);
    EXPECT_EQ(test::readBytes(out + "/Game.gba"), test::readBytes(game));
}

TEST_F(CliFixture, DefaultPatchLiesBesideTheTool)
{
    CliRun r = run({"process", "--exithack", "--output", out, game});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, game + " [EH Applied]\n");
}

TEST_F(CliFixture, RemoveEHUndoesProcessAndReportsUnpatchedFiles)
{
    ASSERT_EQ(run({"process", "--exithack", "--patch", patch, "--output", out, game}).status, 0);
    const std::string patched = out + "/Game.gba";
    CliRun r = run({"remove-eh", "--prefix", "clean-", "--output", out, patched});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(test::readBytes(out + "/clean-Game.gba"), test::readBytes(game));

    CliRun unpatched = run({"remove-eh", "--output", out, game});
    EXPECT_EQ(unpatched.status, 1);
    EXPECT_EQ(unpatched.err, game + "\nThis file is not patched.\n");
}

TEST_F(CliFixture, InfoPrintsTheCellsOfTheList)
{
    const std::string nameless = (folder / "Nameless.gba").string();
    Bytes flash = test::makeImage(0x100000, "", 'Q', "ZZ");
    const std::string library = "FLASH1M_V103";
    std::copy(library.begin(), library.end(), flash.begin() + 0x80000);
    test::writeBytes(nameless, flash);
    const std::string tooShort = (folder / "Short.gba").string();
    test::writeBytes(tooShort, Bytes(177, 0));

    CliRun r = run({"info", game, nameless, tooShort});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, game + "\t8 KB\tTESTGAME\tUSA\tNintendo\tnone\n" + nameless +
                         "\t1024 KB\t \tUnknown\tUnknown\tFLASH1M_V103\n");
    EXPECT_NE(r.err.find(tooShort), std::string::npos);
}

TEST_F(CliFixture, RenameWritesTheNameInPlaceOrLeavesTheFileAlone)
{
    Bytes image = test::readBytes(game);
    image[0xBD] = headerComplement(image);
    test::writeBytes(game, image);
    CliRun r = run({"rename", "--name", "Caf\xC3\xA9 Racer 2000", game});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out + r.err, "");
    Bytes renamed = test::readBytes(game);
    EXPECT_EQ(Bytes(renamed.begin() + 0xA0, renamed.begin() + 0xAC), Bytes({'C', 'a', 'f', 0xE9, ' ', 'R', 'a', 'c', 'e', 'r', ' ', '2'}));
    EXPECT_EQ(renamed[0xBD], headerComplement(renamed));

    const std::string locked = (folder / "Locked.gba").string();
    const std::string tooShort = (folder / "Short.gba").string();
    test::writeBytes(locked, image);
    test::makeReadOnly(locked);
    test::writeBytes(tooShort, Bytes(0xAB, 0x41));
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string err;  // a part of the error output
    };
    const Case cases[] = {
        {{"rename", game}, 2, "No internal name given (--name TEXT)."},
        {{"rename", "--name", "\xE2\x82\xAC", game}, 2, "cannot hold the character \"\xE2\x82\xAC\""},
        {{"rename", "--output", out, "--name", "X", game}, 2, "Unknown option: --output"},
        {{"rename", "--name=X", locked}, 1, locked + ": File access denied."},
        {{"rename", "--name=X", tooShort}, 1, tooShort + "\nThis file is too short to hold an internal name"},
    };
    const Bytes gameBefore = test::readBytes(game);
    for (const Case& c : cases) {
        CliRun failed = run(c.args);
        EXPECT_EQ(failed.status, c.status) << ::testing::PrintToString(c.args);
        EXPECT_NE(failed.err.find(c.err), std::string::npos) << failed.err;
    }
    EXPECT_EQ(test::readBytes(game), gameBefore);
    EXPECT_EQ(test::readBytes(locked), image);
    EXPECT_EQ(test::readBytes(tooShort), Bytes(0xAB, 0x41));
}

test::ZipEntry member(const std::string& name, const Bytes& data)
{
    return test::deflatedEntry(name, data);
}

void writeZip(const std::string& path, const std::vector<test::ZipEntry>& members)
{
    test::writeBytes(path, test::zipArchive(members));
}

// Archives: their ".gba" members, unpacked into a private folder under TMPDIR
// that is gone afterwards, named ARCHIVE:MEMBER.
struct CliArchiveFixture : CliFixture {
    std::string zip = (folder / "roms.zip").string();
    std::filesystem::path scratch = folder / "scratch";

    void SetUp() override
    {
        CliFixture::SetUp();
        std::filesystem::create_directory(scratch);
        ::setenv("TMPDIR", scratch.c_str(), 1);
        writeZip(zip, {member("a.gba", test::readBytes(game)),
                             member("notes.txt", Bytes(40, 'n')),
                             member("sub/b.GBA", test::makeImage(0x4000, "BEE", 'J', "08"))});
    }
    void TearDown() override
    {
        ::unsetenv("TMPDIR");
        EXPECT_TRUE(std::filesystem::is_empty(scratch)) << "the private folder was left behind";
    }
};

TEST_F(CliArchiveFixture, MembersAreWorkedOnAndNamedAfterTheirArchive)
{
    CliRun info = run({"info", zip, game});
    EXPECT_EQ(info.status, 0) << info.err;
    EXPECT_EQ(info.out, zip + ":a.gba\t8 KB\tTESTGAME\tUSA\tNintendo\tnone\n" + zip +
                            ":sub/b.GBA\t16 KB\tBEE\tJapan\tCapcom\tnone\n" + game +
                            "\t8 KB\tTESTGAME\tUSA\tNintendo\tnone\n");

    CliRun process = run({"process", "--truncate", "--exithack", "--patch", patch, "--output", out, zip});
    EXPECT_EQ(process.status, 0) << process.err;
    EXPECT_EQ(process.out, zip + ":a.gba [Trimmed] [EH Applied]\n" + zip + ":sub/b.GBA [Already trimmed] [EH Applied]\n");
    ASSERT_TRUE(std::filesystem::exists(out + "/a.gba"));
    ASSERT_TRUE(std::filesystem::exists(out + "/b.gba"));

    // A processed copy, zipped again, loses its patch as the file itself does.
    const std::string patched = (folder / "patched.zip").string();
    writeZip(patched, {member("a.gba", test::readBytes(out + "/a.gba")), member("b.gba", test::readBytes(game))});
    CliRun removed = run({"remove-eh", "--prefix", "zip-", "--output", out, patched});
    EXPECT_EQ(removed.status, 1);
    EXPECT_EQ(removed.err, patched + ":b.gba\nThis file is not patched.\n");
    EXPECT_LT(test::readBytes(out + "/zip-a.gba").size(), test::readBytes(out + "/a.gba").size());

    // Two members of one name would write one output.
    writeZip(patched, {member("x/a.gba", test::readBytes(game)), member("y/a.gba", test::readBytes(game))});
    CliRun twice = run({"process", "--all", "--output", out, patched});
    EXPECT_EQ(twice.status, 2);
    EXPECT_NE(twice.err.find(patched + ":x/a.gba and " + patched + ":y/a.gba would both be written to"),
              std::string::npos);
}

TEST_F(CliArchiveFixture, HeaderToolsReadMembersAndNeverChangeTheArchive)
{
    const Bytes archive = test::readBytes(zip);
    CliRun check = run({"check", zip});
    EXPECT_EQ(check.out.rfind(zip + ":a.gba\t", 0), 0u) << check.out;
    EXPECT_NE(check.out.find("\n" + zip + ":sub/b.GBA\t"), std::string::npos) << check.out;

    CliRun pad = run({"pad", "--output", out, zip});
    EXPECT_EQ(pad.status, 0) << pad.err;
    EXPECT_EQ(test::readBytes(out + "/b.GBA").size(), 0x4000u);

    // Changing an unpacked copy in place would change nothing the user keeps,
    // and writing into the archive itself would break it.
    for (const std::vector<std::string>& args : {std::vector<std::string>{"fix-header", zip},
                                                 std::vector<std::string>{"rename", "--name=X", zip}}) {
        CliRun refused = run(args);
        EXPECT_EQ(refused.status, 1) << args.front();
        EXPECT_EQ(refused.err, zip + ": only .gba images are changed in place; the file was left as it is.\n");
    }
    EXPECT_EQ(test::readBytes(zip), archive);
}

TEST_F(CliArchiveFixture, AnArchiveThatCannotBeReadFailsAndTheOthersGoOn)
{
    const std::string damaged = (folder / "damaged.zip").string();
    test::writeBytes(damaged, Bytes(3000, 0x33));
    const std::string missing = (folder / "missing.zip").string();
    const std::string empty = (folder / "text.zip").string();
    writeZip(empty, {member("readme.txt", Bytes(5, 'r'))});
    const std::string hostile = (folder / "hostile.zip").string();
    writeZip(hostile, {member("../escape.gba", test::readBytes(game))});
    // A copy of the tool with no unzip module beside it nor in the system folder.
    const std::filesystem::path alone = folder / "alone" / "kestrom-cli";
    std::filesystem::create_directories(alone.parent_path());
    std::filesystem::copy_file(KESTROM_CLI_PATH, alone);
    ::setenv("XDG_DATA_HOME", (folder / "data").c_str(), 1);

    struct Case {
        std::string archive;
        std::string message;
        std::filesystem::path program = KESTROM_CLI_PATH;
    };
    const Case cases[] = {
        {damaged, "\"" + damaged + "\"\nis not a valid Zip file.\n"},
        {missing, missing + ": No such file or directory\n"},
        {empty, "No gba images found in the " + empty + " Zip Archive.\n"},
        {hostile, hostile + ":../escape.gba: not unpacked: its name leads out of the folder it is unpacked into\n"},
        {zip, "Unable to load \"UnzDll.dll\".\n", alone},
    };
    for (const Case& c : cases) {
        CliRun r = test::runProgram(c.program, folder, {"info", c.archive, game});
        EXPECT_EQ(r.status, 1) << c.archive;
        EXPECT_EQ(r.err, c.message);
        EXPECT_EQ(r.out, game + "\t8 KB\tTESTGAME\tUSA\tNintendo\tnone\n");
    }
    ::unsetenv("XDG_DATA_HOME");
    EXPECT_FALSE(std::filesystem::exists(missing));  // not created as an empty archive
    EXPECT_FALSE(std::filesystem::exists(folder / "escape.gba"));
    EXPECT_FALSE(std::filesystem::exists(scratch / "escape.gba"));
}

}  // namespace
}  // namespace kst
