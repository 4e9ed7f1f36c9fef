#include "romlist/list_editing.h"

#include <gtest/gtest.h>

namespace kst {
namespace {

// A list of the given Names (rows 1 and up), each with its mark and New size.
RomGrid listOf(const std::vector<std::string>& names)
{
    RomGrid grid;
    grid.setRowCount(static_cast<int>(names.size()) + 1);
    for (std::size_t i = 0; i < names.size(); ++i)
        grid.setCell(ColName, static_cast<int>(i) + 1, names[i]);
    return grid;
}

std::string marks(const RomGrid& grid)
{
    std::string out;
    for (int row = 1; row < grid.rowCount(); ++row)
        out += grid.cell(ColGo, row) == "@" ? '@' : '.';
    return out;
}

TEST(ToggleMarksTest, FlipsEachRowOfTheRangeOnItsOwn)
{
    RomGrid grid = listOf({"a", "b", "c", "d"});
    grid.setCell(ColGo, 2, "@");
    toggleMarks(grid, 1, 3);
    EXPECT_EQ(marks(grid), "@.@.");
    toggleMarks(grid, 1, 4);
    EXPECT_EQ(marks(grid), ".@.@");
}

TEST(ToggleMarksTest, SkipsEmptyRowsAndBlankLists)
{
    RomGrid grid = listOf({"a", "", "c"});
    toggleMarks(grid, 1, 3);
    EXPECT_EQ(marks(grid), "@.@");
    RomGrid blank;
    toggleMarks(blank, 1, 1);
    EXPECT_TRUE(blank.isBlankRow(1));
}

TEST(ToggleMarksTest, AnyOtherGoTextCountsAsUnmarked)
{
    RomGrid grid = listOf({"a"});
    grid.setCell(ColGo, 1, "x");
    toggleMarks(grid, 1, 1);
    EXPECT_EQ(grid.cell(ColGo, 1), "@");
}

TEST(RemoveRowsTest, Cases)
{
    struct Case {
        std::vector<std::string> names;
        int top, bottom;
        std::vector<std::string> left;  // Names of the rows left
    };
    const Case cases[] = {
        {{"a", "b", "c", "d"}, 2, 3, {"a", "d"}},
        {{"a"}, 1, 1, {""}},             // the only ROM: row 1 emptied, two rows kept
        {{"a", "b", "c"}, 1, 3, {""}},   // every row: one blank row left
        {{"a", "b", "c"}, 3, 3, {"a", "b"}},
    };
    for (const Case& c : cases) {
        RomGrid grid = listOf(c.names);
        grid.setCell(ColNewSize, grid.rowCount() - 1, "5 KB");
        removeListRows(grid, c.top, c.bottom);
        ASSERT_EQ(grid.rowCount(), static_cast<int>(c.left.size()) + 1);
        for (std::size_t i = 0; i < c.left.size(); ++i)
            EXPECT_EQ(grid.cell(ColName, static_cast<int>(i) + 1), c.left[i]);
    }
}

TEST(RemoveRowsTest, RowsBelowKeepTheirCells)
{
    RomGrid grid = listOf({"a", "b", "c", "d"});
    grid.setCell(ColGo, 4, "@");
    grid.setCell(ColNewSize, 4, "7 KB");
    removeListRows(grid, 2, 3);
    EXPECT_EQ(grid.cell(ColGo, 2), "@");
    EXPECT_EQ(grid.cell(ColNewSize, 2), "7 KB");
}

TEST(RemoveRowsTest, TheOnlyRowIsBlankedWholly)
{
    RomGrid grid = listOf({"a"});
    for (int col = 0; col < ColumnCount; ++col)
        grid.setCell(col, 1, "x");
    removeListRows(grid, 1, 1);
    EXPECT_TRUE(grid.isBlankRow(1));
}

TEST(ClearListTest, BackToCaptionsAndOneBlankRow)
{
    RomGrid grid = listOf({"a", "b"});
    grid.setCell(ColNewSize, 0, "");
    clearList(grid);
    EXPECT_EQ(grid.rowCount(), 2);
    EXPECT_TRUE(grid.isBlankRow(1));
    EXPECT_EQ(grid.cell(ColNewSize, 0), "New size");
}

TEST(DuplicateNameTest, ExactCaseSensitiveOverAllRows)
{
    struct Case {
        std::vector<std::string> names;
        std::optional<int> duplicate;
    };
    const Case cases[] = {
        {{"a", "b", "a"}, 1},
        {{"Game", "game"}, std::nullopt},
        {{"a", "b", "c"}, std::nullopt},
        {{""}, std::nullopt},
        {{"x", "y", "y"}, 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(firstDuplicateName(listOf(c.names)), c.duplicate);
}

TEST(TidyListTest, EmptyRowsLoseNewSizeAndTrailingOnesGo)
{
    RomGrid grid = listOf({"a", "", "b", "", ""});
    for (int row = 1; row < grid.rowCount(); ++row)
        grid.setCell(ColNewSize, row, "1 KB");
    grid.setCell(ColNewSize, 0, "");
    tidyList(grid);
    EXPECT_EQ(grid.rowCount(), 4);
    EXPECT_EQ(grid.cell(ColNewSize, 0), "New size");
    EXPECT_EQ(grid.cell(ColNewSize, 1), "1 KB");
    EXPECT_EQ(grid.cell(ColNewSize, 2), "");
    EXPECT_EQ(grid.cell(ColName, 3), "b");
}

TEST(TidyListTest, NeverBelowTwoRows)
{
    RomGrid grid = listOf({"", ""});
    tidyList(grid);
    EXPECT_EQ(grid.rowCount(), 2);
}

}  // namespace
}  // namespace kst
