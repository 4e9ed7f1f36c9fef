#include "core/texts.h"
#include "platform/files.h"
#include "platform/private_folder.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace kst {
namespace {

namespace fs = std::filesystem;

// "dir" is the folder checked; "own" a folder of the user's that a link may lead to.
TEST(PrivateFolder, OnlyAFolderNobodyElseCanChangeIsUsed)
{
    struct Row {
        const char* name;
        void (*make)(const fs::path& root);
        FolderLink link;
        const char* problem;  // "" when usable
        mode_t mode;          // of a folder made by the check; 0 when it was there
    };
    const Row rows[] = {
        {"missing: made for the user alone", [](const fs::path&) {}, FolderLink::Refused, "", 0700},
        {"there, writable by its owner only", [](const fs::path& r) { ::mkdir((r / "dir").c_str(), 0755); },
         FolderLink::Refused, "", 0},
        {"writable by the group", [](const fs::path& r) { ::mkdir((r / "dir").c_str(), 0770), ::chmod((r / "dir").c_str(), 0770); },
         FolderLink::Refused, texts::FolderWritableByOthers, 0},
        {"writable by everybody, sticky", [](const fs::path& r) { ::mkdir((r / "dir").c_str(), 0), ::chmod((r / "dir").c_str(), 01777); },
         FolderLink::Refused, texts::FolderWritableByOthers, 0},
        {"a link to a folder of the user's", [](const fs::path& r) { fs::create_directory(r / "own"), fs::create_directory_symlink(r / "own", r / "dir"); },
         FolderLink::Refused, texts::FolderIsLink, 0},
        {"a link the user named", [](const fs::path& r) { fs::create_directory(r / "own"), fs::create_directory_symlink(r / "own", r / "dir"); },
         FolderLink::OwnFollowed, "", 0},
        {"a file", [](const fs::path& r) { test::writeText(r / "dir", "x"); }, FolderLink::OwnFollowed, texts::NotAFolder, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        test::TempFolder root;
        row.make(root.path());
        const std::string folder = (root / "dir").string() + "/";
        std::string problem;
        try {
            preparePrivateFolder(folder, row.link);
        } catch (const FileError& error) {
            EXPECT_EQ(error.path(), folder);
            problem = error.reason();
        }
        EXPECT_EQ(problem, row.problem);
        struct stat st {};
        if (row.mode != 0) {
            ASSERT_EQ(::stat(folder.c_str(), &st), 0);
            EXPECT_EQ(st.st_mode & 07777, row.mode);
        }
    }
}

// Someone else's link in place of an unpacked file is not followed, into the
// user's own file or anywhere else; outside such a folder a link is.
TEST(PrivateFolder, FilesInItAreOpenedWithoutFollowingLinks)
{
    test::TempFolder root;
    fs::create_directory(root / "temp");
    test::writeBytes(root / "victim.gba", {1, 2, 3});
    test::writeBytes(root / "temp/real.gba", {4});
    fs::create_symlink(root / "victim.gba", root / "temp/planted.gba");
    fs::create_symlink(root / "victim.gba", root / "mine.gba");
    openWithoutLinksIn((root / "temp").string() + "/");
    try {
        RomFile file(root / "temp/planted.gba");
        ADD_FAILURE() << "the link was followed";
    } catch (const FileError& error) {
        EXPECT_EQ(error.reason(), texts::FileIsLink);
    }
    EXPECT_THROW(readWholeFile(root / "temp/./planted.gba"), FileError);
    EXPECT_EQ(readWholeFile(root / "temp/real.gba"), test::Bytes{4});
    EXPECT_EQ(readWholeFile(root / "mine.gba"), (test::Bytes{1, 2, 3}));
}

}  // namespace
}  // namespace kst
