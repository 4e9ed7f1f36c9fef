#include "settings/folder_tree.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace kst {
namespace {

using Kind = FolderEntry::Kind;

TEST(FolderTree, PathFromTheRootThenVisibleSubfoldersInLetterOrder)
{
    test::TempFolder folder;
    const std::filesystem::path top = std::filesystem::canonical(folder.path());
    for (const char* name : {"beta", "Alpha", "gamma", "alpha", ".hidden", "Éclair"})
        std::filesystem::create_directory(top / name);
    test::writeBytes(top / "aaa.gba", {1});
    std::filesystem::create_directory_symlink(top / "gamma", top / "link");
    std::filesystem::create_directory_symlink(top / "gone", top / "dangling");

    FolderTree tree = folderTree(top.string() + "/./");
    ASSERT_TRUE(tree.readable);
    std::vector<std::string> names;
    int depth = 0;
    for (const FolderEntry& e : tree.entries) {
        if (e.kind == Kind::Subfolder) {
            names.push_back(e.name);
            EXPECT_EQ(e.depth, depth);
            EXPECT_EQ(e.path, top / e.name);
        } else {
            EXPECT_EQ(e.depth, depth++);
            EXPECT_EQ(e.kind == Kind::Current, e.path == top);
        }
    }
    EXPECT_EQ(tree.entries.front().name, "/");
    EXPECT_EQ(names, std::vector<std::string>({"Alpha", "alpha", "beta", "gamma", "link", "\xc3\x89" "clair"}));
}

TEST(FolderTree, AFolderThatCannotBeReadStillShowsItsPath)
{
    test::TempFolder folder;
    FolderTree tree = folderTree(folder / "gone");
    EXPECT_FALSE(tree.readable);
    EXPECT_FALSE(tree.reason.empty());
    EXPECT_EQ(tree.entries.back().path, folder / "gone");
    EXPECT_EQ(tree.entries.back().kind, Kind::Current);
}

TEST(FolderTree, FoldersAndVolumes)
{
    EXPECT_EQ(chooserFolder("/a/./b/../c/"), "/a/c");
    EXPECT_EQ(chooserFolder("/"), "/");
    EXPECT_EQ(chosenFolderText("/a/c"), "/a/c/");
    EXPECT_EQ(chosenFolderText("/"), "//");

    const std::vector<std::filesystem::path> volumes = {"/", "/mnt/usb", "/mnt/usb/inner", "/mnt/usb2"};
    struct Case {
        const char* folder;
        std::size_t volume;
    };
    const Case cases[] = {{"/", 0}, {"/home", 0}, {"/mnt/usb", 1}, {"/mnt/usb/roms", 1},
                          {"/mnt/usb/inner/x", 2}, {"/mnt/usb2/x", 3}, {"/mnt/usb22", 0}};
    for (const Case& c : cases)
        EXPECT_EQ(volumeOf(c.folder, volumes), c.volume) << c.folder;
    EXPECT_EQ(volumeOf("/x", {}), 0u);
}

}  // namespace
}  // namespace kst
