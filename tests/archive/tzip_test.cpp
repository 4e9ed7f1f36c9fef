// Reading an archive's directory: the end-record search, the checks on the
// record, names and their code pages, entries, what writing a name does, and
// archives made by other tools.
#include "archive/archive_platform.h"
#include "archive/archive_test_support.h"
#include "archive/recording_zip_ui.h"
#include "archive/tzip.h"
#include "support/temp_folder.h"
#include "support/zip_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sys/stat.h>

namespace kst::test {
namespace {

namespace fs = std::filesystem;

const std::vector<ZipEntry> TwoMembers = {member("a.gba"), member("dir/b.gba", "second")};

ZipLayout withComment(std::string comment)
{
    ZipLayout layout;
    layout.comment = std::move(comment);
    return layout;
}

ZipLayout withPrefix(Bytes prefix)
{
    ZipLayout layout;
    layout.prefix = std::move(prefix);
    return layout;
}

class Directory : public ::testing::Test {
protected:
    Directory() { zip.setUi(&ui); }

    fs::path write(const Bytes& bytes, const std::string& name = "test.zip")
    {
        fs::path path = temp / name;
        writeBytes(path, bytes);
        return path;
    }

    TempFolder temp;
    InstalledArchivePlatform platform;
    RecordingZipUi ui;
    TZip zip;
};

TEST_F(Directory, FindsTheEndRecordWhereverTheScanMayFindIt)
{
    struct Case {
        const char* what;
        std::function<LaidOutZip()> build;
        bool found;
    } cases[] = {
        {"plain", [] { return zipArchive(TwoMembers, {}); }, true},
        {"10-byte comment", [] { return zipArchive(TwoMembers, withComment("0123456789")); }, true},
        {"data in front", [] { return zipArchive(TwoMembers, withPrefix(Bytes(4096, 0xCC))); }, true},
        {"signature inside the comment",
         [] { return zipArchive(TwoMembers, withComment(std::string("look: PK\x05\x06 here, and more text after it"))); },
         true},
        {"comment ending in a record whose directory does not read",
         [] { return zipArchive(TwoMembers, withComment(fakeEndRecordComment())); }, true},
        {"comment of 65,514 bytes",
         [] { return zipArchive(TwoMembers, withComment(std::string(65514, 'c'))); }, true},
        {"longest comment, 65,535 bytes",
         [] { return zipArchive(TwoMembers, withComment(std::string(65535, 'c'))); }, true},
        {"one byte beyond it",
         [] {
             LaidOutZip z = zipArchive(TwoMembers, withComment(std::string(65535, 'c')));
             z.bytes.push_back(0);
             return z;
         },
         false},
        {"no record at all", [] { return LaidOutZip{Bytes(5000, 0x11)}; }, false},
        {"21 bytes, a signature among them",
         [] {
             LaidOutZip z{Bytes(21, 0)};
             z.put32(0, 0x06054B50);
             return z;
         },
         false},
        {"empty file", [] { return LaidOutZip{}; }, false},
        {"record whose comment would run past the end",
         [] {
             LaidOutZip z = zipArchive(TwoMembers, {});
             z.put16(z.endRecord + 20, 5);
             return z;
         },
         false},
    };
    for (const Case& c : cases) {
        LaidOutZip built = c.build();
        fs::path path = write(built.bytes);
        Listing listing = listArchive(zip, path);
        if (c.found) {
            EXPECT_EQ(listing.error, "") << c.what;
            EXPECT_EQ(listing.names, (std::vector<std::string>{"a.gba", "dir/b.gba"})) << c.what;
            EXPECT_EQ(zip.endRecord().position, static_cast<std::int64_t>(built.endRecord)) << c.what;
            EXPECT_TRUE(std::equal(zip.endRecord().record.begin(), zip.endRecord().record.end(),
                                   built.bytes.begin() + static_cast<std::ptrdiff_t>(built.endRecord)))
                << c.what;
        } else {
            EXPECT_EQ(listing.error, notValidMessage(path)) << c.what;
            EXPECT_TRUE(listing.names.empty()) << c.what;
        }
        EXPECT_EQ(readBytes(path), built.bytes) << c.what << ": reading changed the file";
    }
    EXPECT_TRUE(ui.calls.empty()) << "a fixed disk asks for nothing";
}

TEST_F(Directory, RefusesRecordsNoArchiveCanHave)
{
    struct Case {
        const char* what;
        std::function<void(LaidOutZip&)> damage;
        bool notValid;  // else the directory is unreadable
    } cases[] = {
        {"this disk above 1000", [](LaidOutZip& z) { z.put16(z.endRecord + 4, 1001); }, true},
        {"directory disk above 1000", [](LaidOutZip& z) { z.put16(z.endRecord + 6, 1001); }, true},
        {"both", [](LaidOutZip& z) { z.put16(z.endRecord + 4, 0xFFFF), z.put16(z.endRecord + 6, 0xFFFF); }, true},
        {"directory larger than what precedes the record",
         [](LaidOutZip& z) { z.put32(z.endRecord + 12, static_cast<std::uint32_t>(z.endRecord + 1)); }, false},
        {"directory size 0 with entries", [](LaidOutZip& z) { z.put32(z.endRecord + 12, 0); }, false},
    };
    for (const Case& c : cases) {
        LaidOutZip built = zipArchive(TwoMembers, {});
        c.damage(built);
        fs::path path = write(built.bytes);
        Listing listing = listArchive(zip, path);
        EXPECT_EQ(listing.error, c.notValid ? notValidMessage(path) : DirectoryUnreadable) << c.what;
        EXPECT_EQ(zip.Count(), 0) << c.what;
    }
}

TEST_F(Directory, DecodesNamesByTheFirstEntryAndTheUtf8Flag)
{
    auto entry = [](std::string name, std::uint8_t host, std::uint8_t version, std::uint16_t flags = 0) {
        ZipEntry m = member(std::move(name));
        m.host = host;
        m.version = version;
        m.flags = flags;
        return m;
    };
    struct Case {
        const char* what;
        std::vector<ZipEntry> members;
        std::vector<std::string> names;
    } cases[] = {
        {"MS-DOS host: code page 437", {entry("caf\xE9.gba", 0, 20)}, {"caf\u0398.gba"}},
        {"OS/2 host", {entry("\x84.gba", 6, 20)}, {"\u00e4.gba"}},
        {"NTFS host, version 50", {entry("\x84.gba", 11, 50)}, {"\u00e4.gba"}},
        {"NTFS host, version 20: no conversion", {entry("caf\xE9.gba", 11, 20)}, {"caf\u00e9.gba"}},
        {"Unix host: raw bytes", {entry("caf\xE9.gba", 3, 20), entry("\xC3\xBC.gba", 3, 20)},
         {"caf\u00e9.gba", "\u00fc.gba"}},
        {"the first entry decides for all",
         {entry("a.gba", 3, 20), entry("caf\xE9.gba", 0, 20)}, {"a.gba", "caf\u00e9.gba"}},
        {"and the other way round", {entry("a.gba", 0, 20), entry("caf\xE9.gba", 3, 20)},
         {"a.gba", "caf\u0398.gba"}},
        {"UTF-8 flag on an MS-DOS host", {entry("\xC3\xBC.gba", 0, 20, 0x0800)}, {"\u00fc.gba"}},
        {"UTF-8 flag on a later entry", {entry("a.gba", 0, 20), entry("\xE2\x82\xAC.gba", 0, 20, 0x0800)},
         {"a.gba", "\u20ac.gba"}},
        {"folders keep \"/\", and \"\\\" becomes \"/\"",
         {entry("dir/sub/x.gba", 3, 20), entry("win\\y.gba", 0, 20)}, {"dir/sub/x.gba", "win/y.gba"}},
    };
    for (const Case& c : cases) {
        Listing listing = listArchive(zip, write(zipArchive(c.members, {}).bytes));
        EXPECT_EQ(listing.error, "") << c.what;
        EXPECT_EQ(listing.names, c.names) << c.what;
    }
}

TEST_F(Directory, EntriesCarryTheirHeaderAndTextsWithinRange)
{
    ZipEntry first = member("x.gba");
    first.host = 0;
    first.flags = 0x0001;
    first.extra = std::string("\x75\x70\x03\x00\x01\xFF\xFE", 7);
    first.comment = "caf\xE9";
    LaidOutZip built = zipArchive({first, member("y.gba")}, {});
    ASSERT_EQ(listArchive(zip, write(built.bytes)).error, "");

    ASSERT_EQ(zip.Count(), 2);
    TFileInfo entry = zip.GetEntry(0);
    EXPECT_TRUE(std::equal(entry.header.begin(), entry.header.end(),
                           built.bytes.begin() + static_cast<std::ptrdiff_t>(built.directoryStart)));
    EXPECT_EQ(entry.encrypted, 1);
    EXPECT_EQ(entry.extraField, first.extra);
    EXPECT_EQ(entry.comment, "caf\u0398");
    EXPECT_EQ(zip.GetEntry(1).encrypted, 0);

    for (int index : {-1, 2, 1000}) {
        try {
            zip.GetEntry(index);
            ADD_FAILURE() << index;
        } catch (const ZipException& e) {
            EXPECT_STREQ(e.what(), "Index range error") << index;
        }
    }
}

TEST_F(Directory, WritingAMissingPathCreatesAnEmptyArchive)
{
    int changes = 0;
    zip.OnContentsChanged = [&](TZip& sender) {
        EXPECT_EQ(&sender, &zip);
        ++changes;
    };
    zip.Password = "secret";
    fs::path path = temp / "new.zip";
    Listing listing = listArchive(zip, path);

    EXPECT_EQ(listing.error, "");
    EXPECT_EQ(readBytes(path), (Bytes{0x50, 0x4B, 0x05, 0x06, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(zip.Count(), 0);
    EXPECT_EQ(zip.endRecord().position, 0);
    EXPECT_EQ(zip.ArchiveName(), path.string());
    EXPECT_EQ(zip.Password, "");
    EXPECT_EQ(changes, 1);

    // An empty name lists nothing, creates nothing and still tells.
    zip.setArchiveName("");
    EXPECT_EQ(zip.endRecord().position, -1);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(std::distance(fs::directory_iterator(temp.path()), fs::directory_iterator()), 1);
}

TEST_F(Directory, FailuresBeforeTheDirectoryLeaveNothingBehind)
{
    int changes = 0;
    zip.OnContentsChanged = [&](TZip&) { ++changes; };
    ASSERT_EQ(listArchive(zip, write(zipArchive(TwoMembers, {}).bytes, "good.zip")).names.size(), 2u);
    changes = 0;

    fs::create_directory(temp / "folder.zip");
    ASSERT_EQ(::mkfifo((temp / "pipe.zip").c_str(), 0600), 0);
    struct Case {
        fs::path path;
        std::string error;
    } cases[] = {
        {temp / "no-such-folder" / "new.zip", "Unable to create \n\"" + (temp / "no-such-folder/new.zip").string() + "\""},
        {temp / "folder.zip", "\"" + (temp / "folder.zip").string() + "\"\nis a folder, not a Zip file."},
        {temp / "pipe.zip", "\"" + (temp / "pipe.zip").string() + "\"\nis not a regular file."},
    };
    for (const Case& c : cases) {
        Listing listing = listArchive(zip, c.path);
        EXPECT_EQ(listing.error, c.error) << c.path;
        EXPECT_TRUE(listing.names.empty()) << c.path;
    }

    platform->volume.reset();  // the volume cannot be queried
    fs::path unreachable = temp / "unreachable.zip";
    EXPECT_EQ(listArchive(zip, unreachable).error, "Unable to access the selected drive!");
    EXPECT_FALSE(fs::exists(unreachable));

    EXPECT_EQ(changes, 0) << "a failed write raises no change event";
    EXPECT_FALSE(fs::exists(temp / "no-such-folder"));
    std::vector<std::string> left;
    for (const auto& e : fs::directory_iterator(temp.path()))
        left.push_back(e.path().filename().string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"folder.zip", "good.zip", "pipe.zip"}));
    EXPECT_TRUE(fs::is_empty(temp / "folder.zip"));
}

// Archives written at test time by Info-ZIP zip and by Python's zipfile.
std::vector<std::string> sorted(std::vector<std::string> names)
{
    std::sort(names.begin(), names.end());
    return names;
}

TEST(OtherTools, InfoZipArchivesAreListed)
{
    TempFolder temp;
    InstalledArchivePlatform platform;
    fs::path archive = temp / "made by zip.zip";
    ASSERT_TRUE(infoZipArchive(archive, false));
    // The same files once more, with a comment and stored instead of deflated.
    fs::path stored = temp / "stored.zip";
    ASSERT_TRUE(infoZipArchive(stored, true));

    for (const fs::path& path : {archive, stored}) {
        TZip zip;
        Listing listing = listArchive(zip, path);
        EXPECT_EQ(listing.error, "") << path;
        EXPECT_EQ(sorted(listing.names), (std::vector<std::string>{"caf\u00e9.gba", "readme.txt", "sub/", "sub/deeper/",
                                                                   "sub/deeper/z.gba", "sub/y.GBA", "x.gba"}))
            << path;
    }
}

TEST(OtherTools, PythonArchivesAreListed)
{
    TempFolder temp;
    InstalledArchivePlatform platform;
    fs::path archive = temp / "python.zip";
    ASSERT_TRUE(pythonArchive(archive));

    TZip zip;
    Listing listing = listArchive(zip, archive);
    EXPECT_EQ(listing.error, "");
    EXPECT_EQ(listing.names,
              (std::vector<std::string>{"a.gba", "ordner/\u00fcber.gba", "win/back.gba", "empty/", "big.gba"}));
    EXPECT_EQ(zip.GetEntry(1).header[9] & 0x08, 0x08) << "flags byte 9 holds bit 11: the UTF-8 flag";
}

}  // namespace
}  // namespace kst::test
