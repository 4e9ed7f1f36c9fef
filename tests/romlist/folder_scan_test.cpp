#include "romlist/folder_scan.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace kst {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;

std::vector<std::string> relative(const std::vector<fs::path>& paths, const fs::path& base)
{
    std::vector<std::string> out;
    for (const fs::path& p : paths)
        out.push_back(p.lexically_relative(base).string());
    return out;
}

TEST(FolderScanTest, NestedFoldersInNameOrderWithoutFollowingFolderLinks)
{
    TempFolder folder;
    const fs::path top = folder / "top";
    for (const char* dir : {"top/sub/deeper", "top/A-sub", "top/empty"})
        fs::create_directories(folder / dir);
    for (const char* file : {"top/b.GBA", "top/a.gba", "top/Notes.txt", "top/sub/c.zip", "top/sub/d.gba",
                             "top/sub/deeper/e.gba", "top/A-sub/f.Zip", "top/sub/deeper/.hidden.gba", "top/noext"})
        test::writeBytes(folder / file, {1, 2, 3});
    fs::create_directory_symlink(top, top / "sub" / "loop");       // would loop for ever if followed
    fs::create_directory_symlink(folder.path(), top / "z-outside");  // leads out of the folder
    fs::create_symlink(top / "sub" / "d.gba", top / "linked.gba");   // a link to a file is that file
    fs::create_symlink(top / "missing.gba", top / "dangling.gba");
    ASSERT_EQ(::mkfifo((top / "pipe.gba").c_str(), 0600), 0);

    const FolderContents contents = scanFolder(top);

    // ASCII case is folded: "A-sub" sorts before "a.gba" ('-' < '.'), and "b.GBA" after both.
    EXPECT_EQ(relative(contents.files, top),
              (std::vector<std::string>{"A-sub/f.Zip", "a.gba", "b.GBA", "linked.gba", "sub/c.zip", "sub/d.gba",
                                        "sub/deeper/.hidden.gba", "sub/deeper/e.gba"}));
    struct Expected {
        std::string path;
        SkipReason reason;
    };
    const std::vector<Expected> expected{
        {"dangling.gba", SkipReason::NotAFile},      {"noext", SkipReason::WrongExtension},
        {"Notes.txt", SkipReason::WrongExtension},   {"pipe.gba", SkipReason::NotAFile},
        {"sub/loop", SkipReason::FolderLink},        {"z-outside", SkipReason::FolderLink},
    };
    ASSERT_EQ(contents.skipped.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(contents.skipped[i].path.lexically_relative(top).string(), expected[i].path) << i;
        EXPECT_EQ(contents.skipped[i].reason, expected[i].reason) << expected[i].path;
    }
}

TEST(FolderScanTest, TheNamedFolderMayBeALinkAndAMissingOneIsReported)
{
    TempFolder folder;
    fs::create_directory(folder / "real");
    test::writeBytes(folder / "real" / "x.gba", {1});
    fs::create_directory_symlink(folder / "real", folder / "named");
    EXPECT_EQ(relative(scanFolder(folder / "named").files, folder / "named"), std::vector<std::string>{"x.gba"});

    const FolderContents gone = scanFolder(folder / "gone");
    EXPECT_TRUE(gone.files.empty());
    ASSERT_EQ(gone.skipped.size(), 1u);
    EXPECT_EQ(gone.skipped[0].reason, SkipReason::FolderUnreadable);
    EXPECT_FALSE(gone.skipped[0].detail.empty());
}

TEST(FolderScanTest, NameOrderFoldsAsciiCaseOnlyAndIsTotal)
{
    struct Case {
        const char* less;
        const char* more;
    };
    const Case cases[] = {
        {"a", "B"}, {"A", "b"}, {"Game", "game"} /* equal when folded: byte order */, {"game", "Games"},
        {"a-b", "a.b"}, {"z", "\xC3\xA9"} /* UTF-8 after ASCII */, {"", "a"},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(nameOrderLess(c.less, c.more)) << c.less << " < " << c.more;
        EXPECT_FALSE(nameOrderLess(c.more, c.less)) << c.more << " < " << c.less;
    }
    EXPECT_FALSE(nameOrderLess("same", "same"));
}

TEST(FolderScanTest, SummaryListsEachEntryWithItsReasonThenHowManyMore)
{
    const std::vector<SkippedEntry> skipped{
        {"/r/a.txt", SkipReason::WrongExtension, {}},
        {"/r/fifo.gba", SkipReason::NotAFile, {}},
        {"/r/link", SkipReason::FolderLink, {}},
        {"/r/locked", SkipReason::FolderUnreadable, "Permission denied"},
        {"/r/short.gba", SkipReason::ImageUnreadable, "The file is too short."},
        {"/r/bad.zip", SkipReason::ArchiveRefused, "\"/r/bad.zip\"\nis not a valid Zip file."},
        {"/r/b.txt", SkipReason::WrongExtension, {}},
        {"/r/c.txt", SkipReason::WrongExtension, {}},
    };
    EXPECT_EQ(skippedSummary(skipped, 6),
              "These were not added:\n"
              "/r/a.txt: neither a .gba image nor a .zip archive\n"
              "/r/fifo.gba: not a file\n"
              "/r/link: a link to a folder, not followed\n"
              "/r/locked: the folder cannot be read: Permission denied\n"
              "/r/short.gba: the rom cannot be read: The file is too short.\n"
              "/r/bad.zip: the archive cannot be imported: \"/r/bad.zip\" is not a valid Zip file.\n"
              "... and 2 more.");
    EXPECT_EQ(skippedSummary({skipped[0]}, 5),
              "These were not added:\n/r/a.txt: neither a .gba image nor a .zip archive");
}

}  // namespace
}  // namespace kst
