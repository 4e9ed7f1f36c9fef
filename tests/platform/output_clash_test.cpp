#include "platform/output_clash.h"
#include "support/table_rows.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace kst {
namespace {

namespace fs = std::filesystem;
using test::PrintTo;

struct ClashCase {
    const char* label;
    std::vector<std::pair<std::string, std::string>> links;  // path, target; "=" before the target: a hard link
    std::vector<std::string> outputs, sources;
    int output, source;               // the clash expected, -1 for none
    std::pair<int, int> shared = {};  // the two outputs that are one file; {0, 0} for none
    bool foldingCase = false;         // in a file system that finds names under any case
};

// In src/: a.gba and a2.gba, two distinct files; out/ is empty.
const ClashCase Cases[] = {
    {"SameFolderNoPrefix", {}, {"src/a.gba"}, {"src/a.gba"}, 0, 0},
    {"ChainedNames", {}, {"src/a2.gba", "src/a22.gba"}, {"src/a.gba", "src/a2.gba"}, 0, 1},
    {"LinkToASource", {{"out/a.gba", "../src/a.gba"}}, {"out/a.gba"}, {"src/a.gba"}, 0, 0},
    {"HardLink", {{"out/h.gba", "=src/a2.gba"}}, {"out/a.gba", "out/h.gba"}, {"src/a.gba", "src/a2.gba"}, 1, 1},
    {"FolderLinkAndDotDot", {{"lnk", "src"}}, {"out/a.gba", "lnk/../out/../src/a2.gba"}, {"src/a2.gba"}, 1, 0},
    {"DanglingLinkToAMissingSource", {{"out/m.gba", "../lnk/m.gba"}, {"lnk", "src"}}, {"out/m.gba"},
     {"src/a.gba", "src/m.gba"}, 0, 1},
    {"DistinctFiles", {{"out/l.gba", "../src/new.gba"}},
     {"out/a.gba", "src/b.gba", "out/l.gba", "src/a2.gba/x", "out/A.gba", "Src/a.gba"},
     {"src/a.gba", "src/a2.gba", "src/gone.gba"}, -1, -1},
    {"TwoSourcesOfOneFile", {{"lnk", "src"}}, {"out/a.gba", "lnk/a.gba"}, {"src/a.gba", "lnk/../src/a.gba"}, 1, 0},
    {"MissingFolderAsIfMade", {}, {"new/../src/a2.gba"}, {"src/a.gba", "src/a2.gba"}, 0, 1},
    {"LinkBetweenOutputs", {{"out/b.gba", "a.gba"}}, {"out/a.gba", "out/b.gba"}, {"src/a.gba"}, -1, -1, {0, 1}},
    {"CaseFoldingFileSystem", {}, {"out/a.gba", "OUT/b.gba", "Out/A.gba", "SRC/A2.GBA"}, {"src/a.gba", "src/a2.gba"}, 3,
     1, {0, 2}, true},
};

// A small FAT file system mounted through FUSE where the machine allows: it
// finds every name under any case and gives each spelling its own inode.
class FatMount {
public:
    explicit FatMount(const fs::path& in) : folder_(in / "fat")
    {
        const std::string image = (in / "fat.img").string();
        fs::create_directory(folder_);
        mounted_ = std::system(("mkfs.fat -C " + image + " 2048 >/dev/null 2>&1 && fusefat -o rw+ " + image + " " +
                                folder_.string() + " >/dev/null 2>&1")
                                   .c_str()) == 0;
    }
    ~FatMount()
    {
        if (mounted_)
            std::system(("fusermount -u " + folder_.string()).c_str());
    }
    bool mounted() const { return mounted_; }
    const fs::path& folder() const { return folder_; }

private:
    fs::path folder_;
    bool mounted_ = false;
};

class OutputClashTest : public ::testing::TestWithParam<ClashCase> {};

TEST_P(OutputClashTest, FindsTheFirstOutputThatIsASource)
{
    const ClashCase& c = GetParam();
    test::TempFolder temp;
    std::optional<FatMount> fat;
    CaseProbe probe = foundUnderOtherCase;
    if (c.foldingCase && !fat.emplace(temp.path()).mounted())
        probe = [](const fs::path&) { return true; };  // a stand-in for the file system
    const fs::path folder = fat && fat->mounted() ? fat->folder() : temp.path();
    fs::create_directory(folder / "src"), fs::create_directory(folder / "out");
    test::writeBytes(folder / "src/a.gba", {1}), test::writeBytes(folder / "src/a2.gba", {2});
    for (const auto& [path, target] : c.links) {
        if (target.starts_with('='))
            fs::create_hard_link(folder / target.substr(1), folder / path);
        else
            fs::create_symlink(target, folder / path);
    }
    auto full = [&](std::vector<std::string> paths) {
        for (std::string& path : paths)
            path = (folder / path).string();
        return paths;
    };
    const std::optional<OutputClash> clash = firstOutputOntoSource(full(c.outputs), full(c.sources), probe);
    EXPECT_EQ(clash ? int(clash->output) : -1, c.output);
    EXPECT_EQ(clash ? int(clash->source) : -1, c.source);
    const std::optional<SharedOutput> shared = firstSharedOutput(full(c.outputs), probe);
    EXPECT_EQ(shared ? std::pair(int(shared->first), int(shared->second)) : std::pair(0, 0), c.shared);
}

INSTANTIATE_TEST_SUITE_P(Variants, OutputClashTest, ::testing::ValuesIn(Cases), test::byLabel);

}  // namespace
}  // namespace kst
