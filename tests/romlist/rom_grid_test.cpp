#include "romlist/rom_grid.h"

#include <gtest/gtest.h>

namespace kst {
namespace {

TEST(RomGridTest, NeverFewerThanTwoRows)
{
    RomGrid grid;
    EXPECT_EQ(grid.rowCount(), 2);
    grid.setRowCount(0);
    EXPECT_EQ(grid.rowCount(), 2);
    grid.setRowCount(5);
    grid.removeRows(1, 4);
    EXPECT_EQ(grid.rowCount(), 2);
    EXPECT_TRUE(grid.isBlankRow(1));
}

TEST(RomGridTest, RemovingMovesTheRowsBelowUp)
{
    RomGrid grid;
    grid.setRowCount(5);
    for (int r = 1; r < 5; ++r) {
        grid.setCell(ColName, r, "rom" + std::to_string(r));
        grid.setCell(ColNewSize, r, std::to_string(r) + " KB");
    }
    grid.removeRows(2, 3);
    ASSERT_EQ(grid.rowCount(), 3);
    EXPECT_EQ(grid.cell(ColName, 1), "rom1");
    EXPECT_EQ(grid.cell(ColName, 2), "rom4");
    EXPECT_EQ(grid.cell(ColNewSize, 2), "4 KB");
    EXPECT_THROW(grid.removeRows(0, 1), std::out_of_range);
    EXPECT_THROW(grid.removeRows(1, 3), std::out_of_range);
}

TEST(RomGridTest, TellsItsObserver)
{
    struct Recorder : GridObserver {
        std::vector<std::string> events;
        void beforeRowCountChange(int o, int n) override { events.push_back("count " + std::to_string(o) + ">" + std::to_string(n)); }
        void afterRowCountChange(int, int) override { events.push_back("counted"); }
        void beforeRowsRemoved(int f, int l) override { events.push_back("remove " + std::to_string(f) + "-" + std::to_string(l)); }
        void afterRowsRemoved(int, int) override { events.push_back("removed"); }
        void cellChanged(int c, int r) override { events.push_back("cell " + std::to_string(c) + "," + std::to_string(r)); }
    } recorder;
    RomGrid grid;
    grid.setObserver(&recorder);
    grid.setRowCount(3);
    grid.setCell(1, 2, "x");
    grid.setCell(1, 2, "x");  // unchanged: no event
    grid.removeRows(1, 2);
    EXPECT_EQ(recorder.events, (std::vector<std::string>{"count 2>3", "counted", "cell 1,2", "remove 1-2", "removed",
                                                         "count 1>2", "counted"}));
}

}  // namespace
}  // namespace kst
