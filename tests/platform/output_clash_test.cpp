#include "platform/output_clash.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace kst {
namespace {

namespace fs = std::filesystem;

struct ClashCase {
    const char* name;
    std::vector<std::pair<std::string, std::string>> links;  // path, target; "=" before the target: a hard link
    std::vector<std::string> outputs, sources;
    int output, source;  // the clash expected, -1 for none
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
    {"DistinctFiles", {{"out/l.gba", "../src/new.gba"}}, {"out/a.gba", "src/b.gba", "out/l.gba", "src/a2.gba/x"},
     {"src/a.gba", "src/a2.gba", "src/gone.gba"}, -1, -1},
};

class OutputClashTest : public ::testing::TestWithParam<ClashCase> {};

TEST_P(OutputClashTest, FindsTheFirstOutputThatIsASource)
{
    const ClashCase& c = GetParam();
    test::TempFolder folder;
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
    const std::optional<OutputClash> clash = firstOutputOntoSource(full(c.outputs), full(c.sources));
    EXPECT_EQ(clash ? int(clash->output) : -1, c.output);
    EXPECT_EQ(clash ? int(clash->source) : -1, c.source);
}

INSTANTIATE_TEST_SUITE_P(Variants, OutputClashTest, ::testing::ValuesIn(Cases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kst
