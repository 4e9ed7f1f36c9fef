#include "romlist/lost_size.h"

#include <gtest/gtest.h>

namespace kst {
namespace {

RomGrid sizes(const std::vector<std::pair<std::string, std::string>>& rows)
{
    RomGrid grid;
    grid.setRowCount(static_cast<int>(rows.size()) + 1);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        grid.setCell(ColName, static_cast<int>(i) + 1, "rom");
        grid.setCell(ColSize, static_cast<int>(i) + 1, rows[i].first);
        grid.setCell(ColNewSize, static_cast<int>(i) + 1, rows[i].second);
    }
    return grid;
}

TEST(LostSizeTest, OneRow)
{
    EXPECT_EQ(lostSize("4096 KB", "512 KB"), 3584);
    EXPECT_EQ(lostSize("4096 KB", "4097 KB"), -1);  // grew
    EXPECT_THROW(lostSize("4096 KB", "abc KB"), NotANumberError);
    EXPECT_THROW(lostSize("4096 KB", ""), NotANumberError);
}

TEST(LostSizeTest, Totals)
{
    struct Case {
        std::vector<std::pair<std::string, std::string>> rows;
        int total, counted, average;
    };
    const Case cases[] = {
        {{{"100 KB", "90 KB"}, {"100 KB", "90 KB"}, {"100 KB", "89 KB"}}, 31, 3, 10},
        {{{"100 KB", "90 KB"}, {"100 KB", ""}}, 10, 1, 10},         // empty New size: not counted
        {{{"100 KB", "110 KB"}, {"100 KB", "90 KB"}}, 0, 2, 0},     // losses cancel out
        {{{"100 KB", "103 KB"}, {"100 KB", "100 KB"}}, -3, 2, -1},  // toward zero
        {{{"100 KB", ""}}, 0, 0, 0},
    };
    for (const Case& c : cases) {
        TotalLost figures = totalLost(sizes(c.rows));
        EXPECT_EQ(figures.total, c.total);
        EXPECT_EQ(figures.counted, c.counted);
        EXPECT_EQ(figures.average(), c.average);
    }
}

TEST(LostSizeTest, ANonNumberStopsTheTotal)
{
    EXPECT_THROW(totalLost(sizes({{"100 KB", "90 KB"}, {"x KB", "1 KB"}})), NotANumberError);
}

}  // namespace
}  // namespace kst
