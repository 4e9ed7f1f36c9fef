// Archives spread over removable disks: labels, and the prompts that ask for
// the right disk while the directory is read.
#include "archive/archive_platform.h"
#include "archive/archive_test_support.h"
#include "archive/recording_zip_ui.h"
#include "archive/spanned_disks.h"
#include "archive/tzip.h"
#include "support/temp_folder.h"
#include "support/zip_writer.h"

#include <gtest/gtest.h>

namespace kst::test {
namespace {

namespace fs = std::filesystem;

TEST(SpannedDisks, LabelsNameTheirDisk)
{
    struct Case {
        const char* label;
        int disk;
    } cases[] = {
        {"PKBACK# 002", 2}, {"PKBACK# 999", 999}, {"PKBACK# 1", 1},   {"PKBACK# 0012", 1},  // 11 characters at most
        {"PKBACK# 000", 0}, {"PKBACK#002", 0},   {"pkback# 002", 0}, {"PKBACK# 0x2", 0},
        {"PKBACK# ", 0},    {"PKBACK# -12", 0},  {"", 0},            {"BACKUP 002", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(diskNumberOfLabel(c.label), c.disk) << c.label;
}

// A two-disk set: disk 1 holds the members and the first directory entry,
// disk 2 the second entry and the end record.
struct DiskSet {
    Bytes first;
    Bytes last;
};

DiskSet twoDisks()
{
    ZipEntry a = member("a.gba", "first member");
    ZipEntry b = member("b.gba", "second member");
    LaidOutZip whole = zipArchive({a, b}, {});
    const std::size_t secondEntry = whole.directoryStart + 46 + a.name.size();
    DiskSet set;
    set.first.assign(whole.bytes.begin(), whole.bytes.begin() + static_cast<std::ptrdiff_t>(secondEntry));
    set.last.assign(whole.bytes.begin() + static_cast<std::ptrdiff_t>(secondEntry), whole.bytes.end());
    LaidOutZip last{set.last, 0, set.last.size() - 22};
    last.put16(last.endRecord + 4, 1);  // this disk: the second, counted from 0
    last.put16(last.endRecord + 6, 0);  // the directory starts on the first
    set.last = last.bytes;
    return set;
}

class SpannedArchive : public ::testing::Test {
protected:
    SpannedArchive()
    {
        zip.setUi(&ui);
        // Inserting a disk puts its file at the archive's path and its label on the volume.
        ui.onDiskPrompt = [this](int) { insert(nextDisk); };
    }

    void insert(int disk)
    {
        writeBytes(path, disk == 1 ? set.first : disk == 2 ? set.last : Bytes(100, 0));
        platform->volume = Volume{true, "PKBACK# 00" + std::to_string(disk)};
    }

    TempFolder temp;
    InstalledArchivePlatform platform;
    RecordingZipUi ui;
    TZip zip;
    DiskSet set = twoDisks();
    fs::path path = temp / "set.zip";
    int nextDisk = 0;  // what the user puts in when asked
};

TEST_F(SpannedArchive, TheDirectoryIsReadAcrossTheDisks)
{
    insert(2);
    ui.onDiskPrompt = [this](int wanted) { insert(wanted); };
    ui.diskAnswers = {true, true};
    Listing listing = listArchive(zip, path);
    EXPECT_EQ(listing.error, "");
    EXPECT_EQ(listing.names, (std::vector<std::string>{"a.gba", "b.gba"}));
    EXPECT_EQ(ui.calls, (std::vector<std::string>{"insert disk 1", "insert disk 2"}));

    // Extraction refuses a set of disks.
    zip.FileSpecs = {"a.gba"};
    ui.calls.clear();
    EXPECT_EQ(zip.Extract(), 0);
    EXPECT_EQ(ui.calls, (std::vector<std::string>{"multi-disk notice"}));
    EXPECT_TRUE(platform->loads.empty());
}

TEST_F(SpannedArchive, EachPromptRepeatsUntilTheRightDiskOrCancel)
{
    struct Case {
        const char* what;
        std::vector<int> inserted;  // disk put in at each prompt (0: a disk of another set)
        std::deque<bool> answers;
        std::vector<std::string> prompts;
        std::string error;
        std::size_t entries;
    } cases[] = {
        {"wrong disk first, then the right ones", {3, 1, 2}, {true, true, true},
         {"insert disk 1", "insert disk 1", "insert disk 2"}, "", 2},
        {"cancel when asked for the first disk", {1}, {false}, {"insert disk 1"}, "", 0},
        {"cancel when asked for the second: the directory is unreadable", {1, 1}, {true, false},
         {"insert disk 1", "insert disk 2"}, DirectoryUnreadable, 0},
    };
    for (const Case& c : cases) {
        insert(2);
        std::size_t prompt = 0;
        ui.onDiskPrompt = [&](int) { insert(c.inserted.at(prompt++)); };
        ui.diskAnswers = c.answers;
        ui.calls.clear();
        Listing listing = listArchive(zip, path);
        EXPECT_EQ(ui.calls, c.prompts) << c.what;
        EXPECT_EQ(listing.error, c.error) << c.what;
        EXPECT_EQ(listing.names.size(), c.entries) << c.what;
    }
}

TEST_F(SpannedArchive, ADiskWithoutTheEndRecordAsksForTheLast)
{
    // Disk 1 is in: no end record on it.
    insert(1);
    nextDisk = 1;  // OK without changing the disk: asked again
    ui.diskAnswers = {true, false};
    Listing listing = listArchive(zip, path);
    EXPECT_EQ(listing.error, "");
    EXPECT_TRUE(listing.names.empty());
    EXPECT_EQ(ui.calls, (std::vector<std::string>{"last disk 1", "last disk 1"}));

    // Putting the last disk in reads the set (asking for disk 1 again).
    insert(1);
    ui.calls.clear();
    ui.diskAnswers = {true, true, true};
    ui.onDiskPrompt = [this](int disk) { insert(ui.calls.back().starts_with("last disk") ? 2 : disk); };
    listing = listArchive(zip, path);
    EXPECT_EQ(listing.names, (std::vector<std::string>{"a.gba", "b.gba"}));
    EXPECT_EQ(ui.calls, (std::vector<std::string>{"last disk 1", "insert disk 1", "insert disk 2"}));
}

TEST_F(SpannedArchive, OnlyALabelledRemovableDiskCountsAsPartOfASet)
{
    struct Case {
        const char* what;
        Volume volume;
    } cases[] = {
        {"fixed disk with a set's label", {false, "PKBACK# 001"}},
        {"removable disk with another label", {true, "HOLIDAY"}},
        {"removable disk labelled as disk 0", {true, "PKBACK# 000"}},
    };
    for (const Case& c : cases) {
        writeBytes(path, set.first);
        platform->volume = c.volume;
        ui.calls.clear();
        EXPECT_EQ(listArchive(zip, path).error, notValidMessage(path)) << c.what;
        EXPECT_TRUE(ui.calls.empty()) << c.what;
    }
}

}  // namespace
}  // namespace kst::test
