#include "romlist/image_row.h"

#include "core/paths.h"

#include <gtest/gtest.h>

namespace kst {
namespace {

TEST(ImageRowTest, AnEmptyNameCellHoldsOneSpace)
{
    EXPECT_EQ(nonEmptyCell(nameOf("/roms/.gba")), " ");
}

TEST(NewImageRowTest, FillsTheBlankRowThenAppends)
{
    RomGrid grid;
    EXPECT_EQ(rowForNewImage(grid), 1);
    EXPECT_EQ(grid.rowCount(), 2);
    grid.setCell(ColName, 1, "a");
    EXPECT_EQ(rowForNewImage(grid), 2);
    EXPECT_EQ(grid.rowCount(), 3);
}

TEST(NewImageRowTest, AnyFilledCellOfRowOneMeansAppend)
{
    RomGrid grid;
    grid.setCell(ColNewSize, 1, "1 KB");  // not a ROM, but not blank either
    EXPECT_EQ(rowForNewImage(grid), 2);
}

TEST(NewImageRowTest, WritesTheCells)
{
    RomGrid grid;
    RomHeader header{4194304, "", 'J', "01"};
    writeImageRow(grid, 1, "/roms/Game.GBA", header);
    EXPECT_EQ(grid.cell(ColGo, 1), "");
    EXPECT_EQ(grid.cell(ColName, 1), "Game");
    EXPECT_EQ(grid.cell(ColSize, 1), "4096 KB");
    EXPECT_EQ(grid.cell(ColDir, 1), "/roms/");
    EXPECT_EQ(grid.cell(ColNewSize, 1), "");
    EXPECT_EQ(grid.cell(ColInternalName, 1), " ");
    EXPECT_EQ(grid.cell(ColCountry, 1), "Japan");
    EXPECT_EQ(grid.cell(ColMaker, 1), "Nintendo");
    EXPECT_EQ(grid.cell(ColInput, 1), "/roms/Game.GBA");
}

TEST(NewImageRowTest, InternalNameBytesBecomeCharacters)
{
    RomGrid grid;
    writeImageRow(grid, 1, "/x.gba", RomHeader{200, "CAF\xC9", 'P', "00"});
    EXPECT_EQ(grid.cell(ColInternalName, 1), "CAF\xC3\x89");  // É
}

TEST(RenamecolsTest, WritesTheCaptions)
{
    RomGrid grid;
    renamecols(grid);
    const char* expected[] = {"Go",      "Name",  "Size",  "Dir",  "New size", "Internal name",
                              "Country", "Maker", "Input", "Save", "Verified"};
    for (int col = 0; col < ColumnCount; ++col)
        EXPECT_EQ(grid.cell(col, 0), expected[col]);
}

}  // namespace
}  // namespace kst
