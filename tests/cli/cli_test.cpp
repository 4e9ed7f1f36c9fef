#include "romops/internal_name.h"
#include "romops/exithack_removal.h"
#include "support/program_run.h"
#include "support/synthetic_image.h"
#include "support/temp_folder.h"
#include "support/zip_writer.h"

#include <gtest/gtest.h>

#include <stdlib.h>
#include <tuple>

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
        {"process", "--all", "--output", out, "--prefix", "../", game},  // a separator in the name
        {"remove-eh", "--output", out, "--suffix=/x", game},
        {"process", "--all", "--dat-names", "--output", out, game},  // names from no DAT
    };
    // The message, then one line pointing at the help, never the help itself.
    const std::string tryHelp = "Try 'kestrom-cli --help'.\n";
    for (const auto& args : invocations) {
        CliRun r = run(args);
        EXPECT_EQ(r.status, 2) << ::testing::PrintToString(args);
        EXPECT_TRUE(r.err.ends_with(tryHelp)) << r.err;
        EXPECT_EQ(r.err.find("Usage:"), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
    }
    EXPECT_FALSE(std::filesystem::exists(out));

    CliRun help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage:", 0), 0u);
    CliRun version = run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "kestrom-cli 1.1\n");
}

TEST_F(CliFixture, AnOutputThatWouldReplaceASourceWritesNothing)
{
    const std::string root = folder.path().string(), game2 = root + "/Game2.gba", link = out + "/Game.gba";
    test::writeBytes(game2, test::makeImage(0x1000));
    std::filesystem::create_directory(out);
    std::filesystem::create_symlink(game, link);
    const auto before = test::folderContents(folder.path());
    for (const auto& [args, output, source] : std::vector<std::tuple<std::vector<std::string>, std::string, std::string>>{
             {{"process", "--all", "--output", root + "/", game}, game, game},  // the source folder, no prefix
             {{"process", "--truncate", "--suffix", "2", "--output", root, game, game2}, game2, game2},  // chained
             {{"process", "--truncate", "--output", out, game}, link, game},
             {{"remove-eh", "--output", root, game}, game, game}}) {
        CliRun r = run(args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, output + " would replace the source file " + source + "; nothing was written.\n");
    }
    std::filesystem::remove(folder / "program.out"), std::filesystem::remove(folder / "program.err");
    EXPECT_EQ(test::folderContents(folder.path()), before);
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

// The tool never changes a source, so it only reads them: read-only ones too.
TEST_F(CliFixture, RemoveEHUndoesProcessAndReportsUnpatchedFiles)
{
    test::makeReadOnly(game);
    ASSERT_EQ(run({"process", "--exithack", "--patch", patch, "--output", out, game}).status, 0);
    const std::string patched = out + "/Game.gba";
    test::makeReadOnly(patched);
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
    test::makeReadOnly(game);

    CliRun r = run({"info", game, nameless, tooShort});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, game + "\t8 KB\tTESTGAME\tUSA\tNintendo\tnone\n" + nameless +
                         "\t1024 KB\t \tUnknown\tUnknown\tFLASH1M_V103\n");
    EXPECT_NE(r.err.find(tooShort), std::string::npos);

    CliRun full = test::runProgram("/bin/sh", folder, {"-c", std::string(KESTROM_CLI_PATH) + " info \"$0\" >/dev/full", game});
    EXPECT_EQ(full.status, 2);
    EXPECT_EQ(full.err, "kestrom-cli: what it printed could not all be written to standard output.\n");
}

TEST_F(CliFixture, RenameWritesTheNameInPlaceOrLeavesTheFileAlone)
{
    Bytes image = test::readBytes(game);
    image[0xBD] = test::referenceComplement(image);
    test::writeBytes(game, image);
    CliRun r = run({"rename", "--name", "Caf\xC3\xA9 Racer 2000", game});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out + r.err, "");
    Bytes renamed = test::readBytes(game);
    EXPECT_EQ(Bytes(renamed.begin() + 0xA0, renamed.begin() + 0xAC), Bytes({'C', 'a', 'f', 0xE9, ' ', 'R', 'a', 'c', 'e', 'r', ' ', '2'}));
    EXPECT_EQ(renamed[0xBD], test::referenceComplement(renamed));

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

// Archives: their ".gba" members, read into memory, named ARCHIVE:MEMBER;
// nothing is ever written under TMPDIR.
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
        EXPECT_TRUE(std::filesystem::is_empty(scratch)) << "something was left under TMPDIR";
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
    // A member the window refuses is left out before outputs are named.
    writeZip(patched, {member("../a.gba", test::readBytes(game)), member("a.gba", test::readBytes(game))});
    CliRun hostile = run({"process", "--truncate", "--output", out, patched});
    EXPECT_EQ(hostile.status, 1);
    EXPECT_EQ(hostile.out, patched + ":a.gba [Trimmed]\n");
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

    struct Case {
        std::string archive;
        std::string message;
    };
    const Case cases[] = {
        {damaged, "\"" + damaged + "\"\nis not a valid Zip file.\n"},
        {missing, missing + ": No such file or directory\n"},
        {empty, "No gba images found in the " + empty + " Zip Archive.\n"},
    };
    for (const Case& c : cases) {
        CliRun r = run({"info", c.archive, game});
        EXPECT_EQ(r.status, 1) << c.archive;
        EXPECT_EQ(r.err, c.message);
        EXPECT_EQ(r.out, game + "\t8 KB\tTESTGAME\tUSA\tNintendo\tnone\n");
    }
    EXPECT_FALSE(std::filesystem::exists(missing));  // not created as an empty archive
}

// Members are read by their place in the archive, so names that would unpack
// to one file each show their own header. A name leading out of the folder
// is refused as the window refuses it, and the others go on.
TEST_F(CliArchiveFixture, EveryLineShowsItsOwnMembersHeader)
{
    struct Row {
        std::string stored, shown, internalName;  // no name: refused
    };
    const Row rows[] = {
        {"x.gba", "x.gba", "PLAIN"},   {"./x.gba", "./x.gba", "DOT"},       {"a/x.gba", "a/x.gba", "SLASH"},
        {"a//x.gba", "a//x.gba", "DOUBLE"}, {"a\\x.gba", "a/x.gba", "BACKSLASH"}, {"x.gba", "x.gba", "AGAIN"},
        {"../x.gba", "../x.gba", ""}, {"C:x.gba", "C:x.gba", ""}, {"a/C:x.gba", "a/C:x.gba", "DRIVE"},
    };
    std::vector<test::ZipEntry> entries;
    std::string expected, refused;
    for (const Row& row : rows) {
        entries.push_back(member(row.stored, test::makeImage(0x2000, row.internalName)));
        if (row.internalName.empty())
            refused += zip + ":" + row.shown + ": not unpacked: its name leads out of the folder or is too long for "
                "the file system\n";
        else
            expected += zip + ":" + row.shown + "\t8 KB\t" + row.internalName + "\tUSA\tNintendo\tnone\n";
    }
    writeZip(zip, entries);
    CliRun info = run({"info", zip});
    EXPECT_EQ(info.status, 1);
    EXPECT_EQ(info.out, expected);
    EXPECT_EQ(info.err, refused);
}

// A name's control characters are written as escapes: each image stays one
// line of fixed fields, and nothing reaches the terminal raw. An output name
// holding one is refused.
TEST_F(CliArchiveFixture, ControlCharactersInNamesAreEscaped)
{
    const std::string odd = (folder / "k\x01\x1b[31mred\x07.gba").string();
    const std::string oddShown = (folder / "k\\x01\\x1b[31mred\\x07.gba").string();
    test::writeBytes(odd, test::makeImage(0x2000, "A\tB\nC\\D"));
    const std::string forged = "a.gba\tcomplement correct\tno intro\nfake.zip:b.gba";
    writeZip(zip, {member(forged, test::readBytes(game))});

    CliRun info = run({"info", odd, zip});
    EXPECT_EQ(info.status, 0) << info.err;
    EXPECT_EQ(info.out, oddShown + "\t8 KB\tA\\tB\\nC\\\\D\tUSA\tNintendo\tnone\n" + zip +
                            ":a.gba\\tcomplement correct\\tno intro\\nfake.zip:b.gba\t8 KB\tTESTGAME\tUSA\tNintendo\tnone\n");
    CliRun check = run({"check", zip});
    EXPECT_EQ(std::count(check.out.begin(), check.out.end(), '\n'), 1) << check.out;

    CliRun process = run({"process", "--truncate", "--output", out, odd});
    EXPECT_EQ(process.status, 1);
    EXPECT_EQ(process.err, oddShown + ": its output name would hold a control character; nothing was written for it.\n");
    EXPECT_TRUE(std::filesystem::is_empty(out));
}

// Whatever an archive's members inflate to, nothing goes to the disk (any
// file over 1 MiB fails) and memory stays far below it; a member is refused
// by name when it declares over 64 MiB and as damaged when it inflates past
// what it declares, an image file over 64 MiB before anything is read.
TEST_F(CliArchiveFixture, MembersCannotFillTheDiskOrTheMemory)
{
    constexpr std::uint32_t MiB = 1u << 20;
    auto zeros = [](std::string name, std::uint64_t size, std::uint32_t declared) {
        test::ZipEntry entry;
        entry.name = std::move(name);
        entry.method = 8;
        entry.stored = test::deflatedZeros(size);
        entry.size = declared;
        return entry;
    };
    // Twenty central entries that all lead to the first one's 100 MiB.
    std::vector<test::ZipEntry> copies;
    for (int i = 10; i < 30; ++i)
        copies.push_back(zeros("b" + std::to_string(i) + ".gba", 100 * MiB, 100 * MiB));
    test::LaidOutZip overlapping = test::zipArchive(copies, {});
    for (std::size_t i = 0; i < copies.size(); ++i)
        overlapping.put32(overlapping.directoryStart + i * (46 + 7) + 42, 0);
    const std::string bomb = (folder / "bomb.zip").string();
    test::writeBytes(bomb, overlapping.bytes);
    const std::string huge = (folder / "huge.zip").string();
    writeZip(huge, {zeros("huge.gba", 1024 * MiB, 1024 * MiB)});
    const std::string liar = (folder / "liar.zip").string();
    writeZip(liar, {zeros("liar.gba", 65 * MiB, 0x2000)});
    const std::string large = (folder / "large.zip").string();
    Bytes image = test::makeImage(2 * MiB);
    image[0xBD] = test::referenceComplement(image);
    writeZip(large, {member("large.gba", image)});
    const std::string big = (folder / "Big.gba").string(), hugeImage = (folder / "Huge.gba").string();
    test::writeBytes(big, test::makeImage(0x1000));
    std::filesystem::resize_file(big, 64 * MiB + 1);  // sparse, as are the others
    test::writeBytes(hugeImage, Bytes{0x11, 0x22, 0x33, 0xEA});
    std::filesystem::resize_file(hugeImage, std::uintmax_t{4} << 30);

    const std::string tooLarge = ": The file is larger than 64 MiB.";
    const std::string memberTooLarge = ": not unpacked: it is larger than 64 MiB";
    const std::string damagedData = ": not unpacked: its data are damaged (CRC error or wrong size)";
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string err;  // a part of the error output
    };
    const Case cases[] = {
        // Members whose data overlap: the archive is refused as damaged.
        {{"info", bomb}, 1, "\"" + bomb + "\"\nis damaged: the data of its members overlap."},
        {{"check", bomb}, 1, "\"" + bomb + "\"\nis damaged: the data of its members overlap."},
        {{"info", huge}, 1, huge + ":huge.gba" + memberTooLarge},
        {{"info", liar}, 1, liar + ":liar.gba" + damagedData},  // the save type takes the whole image
        {{"check", liar}, 1, liar + ":liar.gba" + damagedData},
        {{"process", "--truncate", "--output", out, liar}, 1, liar + ":liar.gba" + damagedData},
        {{"check", large}, 0, ""},
        {{"check", big}, 1, big + tooLarge},
        {{"check", hugeImage}, 1, hugeImage + tooLarge},
        {{"fix-header", hugeImage}, 1, hugeImage + tooLarge},
        {{"pad", "--output", out, big}, 1, big + tooLarge},
        {{"process", "--all", "--output", out, hugeImage}, 1, hugeImage + tooLarge},
        {{"remove-eh", "--output", out, hugeImage}, 1, hugeImage + tooLarge},
        // The output itself is over the file-size limit: its write fails as
        // on a full disk and leaves no temporary file behind.
        {{"pad", "--output", out, large}, 1, large + ":large.gba: " + out + "/large.gba: File too large\n"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"--fsize=" + std::to_string(MiB), KESTROM_CLI_PATH};
#if !defined(__SANITIZE_ADDRESS__)
        args.insert(args.begin(), "--as=" + std::to_string(256 * MiB));
#endif
        args.insert(args.end(), c.args.begin(), c.args.end());
        CliRun r = test::runProgram("/usr/bin/prlimit", folder, args);
        EXPECT_EQ(r.status, c.status) << ::testing::PrintToString(c.args) << r.err;
        EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
        EXPECT_TRUE(!std::filesystem::exists(out) || std::filesystem::is_empty(out));
    }
}

}  // namespace
}  // namespace kst
