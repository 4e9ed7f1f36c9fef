#include "core/paths.h"

#include <gtest/gtest.h>

namespace kst {
namespace {

TEST(ExtensionTest, ComparesTheLastExtensionIgnoringCase)
{
    struct Case {
        const char* path;
        bool gba;
        bool zip;
    };
    const Case cases[] = {
        {"/r/x.gba", true, false},     {"/r/x.GBA", true, false},     {"/r/x.Gba", true, false},
        {"/r/x.gba.zip", false, true}, {"/r/x.ZIP", false, true},     {"/r.gba/x", false, false},
        {"/r/xgba", false, false},     {"/r/x.gbax", false, false},   {".gba", true, false},
        {"", false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(hasExtension(c.path, ".gba"), c.gba) << c.path;
        EXPECT_EQ(hasExtension(c.path, ".zip"), c.zip) << c.path;
    }
}

TEST(PathPartsTest, NameDropsTheGbaExtensionOfTheFileName)
{
    EXPECT_EQ(nameOf("/roms/Game.GBA"), "Game");
    EXPECT_EQ(nameOf("/roms/a.b.gba"), "a.b");
    EXPECT_EQ(nameOf("/roms/.gba"), "");
    EXPECT_EQ(nameOf("/roms/x.gb"), "x.gb");  // no four characters lost, no hidden ".gba" made
    EXPECT_EQ(folderOf("/roms/Game.GBA"), "/roms/");
    EXPECT_EQ(folderOf("Game.gba"), "");
}

TEST(OutputNameTest, JoinsWithNothingBetween)
{
    EXPECT_EQ(outputName("/out/", "A-", "Game", "-B"), "/out/A-Game-B.gba");
    EXPECT_EQ(outputName("/out/", "", " ", ""), "/out/ .gba");
    EXPECT_EQ(outputName("/", "x/", "y", ""), "/x/y.gba");  // nothing escaped
    EXPECT_EQ(sampleName("A-", "-B"), "A-romname-B.gba");
}

}  // namespace
}  // namespace kst
