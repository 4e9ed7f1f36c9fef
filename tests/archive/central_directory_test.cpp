// Broken and hostile archives against the directory reader: each gives its
// message, lists nothing and leaves the file as it was.
#include "archive/archive_platform.h"
#include "archive/archive_test_support.h"
#include "archive/damaged_directories.h"
#include "archive/tzip.h"
#include "support/temp_folder.h"
#include "support/zip_writer.h"

#include <gtest/gtest.h>

#include <functional>

namespace kst::test {
namespace {

namespace fs = std::filesystem;

TEST(DamagedArchives, EachGivesItsMessageAndListsNothing)
{
    TempFolder temp;
    InstalledArchivePlatform platform;
    for (const DamagedDirectory& c : damagedDirectories()) {
        ZipLayout layout;
        layout.zip64 = c.zip64;
        LaidOutZip built = zipArchive(numberedMembers(3), layout);
        c.damage(built);
        fs::path path = temp / "damaged.zip";
        writeBytes(path, built.bytes);
        TZip zip;
        Listing listing = listArchive(zip, path);
        EXPECT_EQ(listing.error, c.notValid ? notValidMessage(path) : DirectoryUnreadable) << c.what;
        EXPECT_TRUE(listing.names.empty()) << c.what;
        EXPECT_EQ(readBytes(path), built.bytes) << c.what;
    }
}

// The check unzip tools make against a directory that unpacks one member's
// data many times: no two members may share a byte.
TEST(DamagedArchives, OverlappingMembersAreRefused)
{
    TempFolder temp;
    InstalledArchivePlatform platform;
    ZipEntry zeros = deflatedEntry("bomb.gba", {});
    zeros.stored = deflatedZeros(100u << 20);  // 100 MiB in about 100 KB
    zeros.size = 100u << 20;
    ZipEntry pointsBack = member("b.gba");
    pointsBack.sharesDataOf = 0;
    pointsBack.zip64Offset = true;

    struct Case {
        const char* what;
        std::vector<ZipEntry> entries;
        std::size_t prefix;
        std::function<void(LaidOutZip&)> damage;
        bool refused;
    } cases[] = {
        {"20 entries on one member", sharedDataBomb(zeros, 20), 0, [](LaidOutZip&) {}, true},
        {"data size running into the next member", {member("a.gba"), member("b.gba")}, 0,
         [](LaidOutZip& z) { z.put32(z.directoryStart + 20, 4 + 1); }, true},
        {"zip64 offset of the first member", {member("a.gba"), pointsBack}, 0, [](LaidOutZip&) {}, true},
        {"local extra field running into the next member, data in front", {member("a.gba"), member("b.gba")}, 64,
         [](LaidOutZip& z) { z.put16(64 + 28, 1); }, true},
        {"members side by side, data in front", {member("a.gba"), member("b.gba")}, 64, [](LaidOutZip&) {}, false},
    };
    for (const Case& c : cases) {
        ZipLayout layout;
        layout.prefix = Bytes(c.prefix, 0xAA);
        LaidOutZip built = zipArchive(c.entries, layout);
        c.damage(built);
        fs::path path = temp / "overlap.zip";
        writeBytes(path, built.bytes);
        TZip zip;
        Listing listing = listArchive(zip, path);
        const std::string overlap = "\"" + path.string() + "\"\nis damaged: the data of its members overlap.";
        EXPECT_EQ(listing.error, c.refused ? overlap : "") << c.what;
        EXPECT_EQ(listing.names.size(), c.refused ? 0 : c.entries.size()) << c.what;
    }
}

// The end record's 16-bit count and 32-bit sizes do not limit the listing: a
// large directory is read whole, through the Zip64 record when there is one.
TEST(DamagedArchives, LargeDirectoriesAreReadWhole)
{
    TempFolder temp;
    InstalledArchivePlatform platform;
    struct Case {
        const char* what;
        int count;
        bool zip64;
    } cases[] = {
        {"65,535 entries, a directory of 4 MB", 65535, false},
        {"70,000 entries through the Zip64 record", 70000, true},
    };
    for (const Case& c : cases) {
        fs::path path = temp / "large.zip";
        ZipLayout layout;
        layout.prefix = Bytes(100, 0xAA);
        layout.zip64 = c.zip64;
        writeBytes(path, zipArchive(numberedMembers(c.count), layout).bytes);
        TZip zip;
        Listing listing = listArchive(zip, path);
        EXPECT_EQ(listing.error, "") << c.what;
        ASSERT_EQ(listing.names.size(), static_cast<std::size_t>(c.count)) << c.what;
        EXPECT_EQ(listing.names.front(), "roms/game-00000.gba") << c.what;
        char last[32];
        std::snprintf(last, sizeof last, "roms/game-%05d.gba", c.count - 1);
        EXPECT_EQ(listing.names.back(), last) << c.what;
    }
}

}  // namespace
}  // namespace kst::test
