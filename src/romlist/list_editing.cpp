#include "romlist/list_editing.h"

#include "core/texts.h"
#include "romlist/image_row.h"

#include <unordered_map>

namespace kst {

void toggleMarks(RomGrid& grid, int top, int bottom)
{
    const std::string mark = tr(texts::SelectionMark);
    for (int row = top; row <= bottom && row < grid.rowCount(); ++row) {
        if (row < 1 || grid.isEmptyRow(row))
            continue;
        grid.setCell(ColGo, row, grid.cell(ColGo, row) == mark ? std::string() : mark);
    }
}

void removeListRows(RomGrid& grid, int top, int bottom)
{
    if (grid.rowCount() == 2) {
        for (int col = 0; col < ColumnCount; ++col)
            grid.setCell(col, 1, {});
        return;
    }
    grid.removeRows(top, bottom);
}

void clearList(RomGrid& grid)
{
    for (int row = 0; row < grid.rowCount(); ++row)
        for (int col = 0; col < ColumnCount; ++col)
            grid.setCell(col, row, {});
    grid.setRowCount(2);
    renamecols(grid);
}

std::optional<int> firstDuplicateName(const RomGrid& grid)
{
    // Counting each Name once keeps the check linear for long lists.
    std::unordered_map<std::string, int> seen;
    for (int row = 1; row < grid.rowCount(); ++row)
        ++seen[grid.cell(ColName, row)];
    for (int row = 1; row < grid.rowCount(); ++row)
        if (seen[grid.cell(ColName, row)] > 1)
            return row;
    return std::nullopt;
}

bool isMarked(const RomGrid& grid, int row)
{
    return grid.cell(ColGo, row) == tr(texts::SelectionMark);
}

void tidyList(RomGrid& grid)
{
    for (int row = 1; row < grid.rowCount(); ++row)
        if (grid.isEmptyRow(row))
            grid.setCell(ColNewSize, row, {});
    grid.setCell(ColNewSize, 0, tr(texts::ColNewSize));
    int rows = grid.rowCount();
    while (rows > 2 && grid.isEmptyRow(rows - 1))
        --rows;
    grid.setRowCount(rows);
}

}  // namespace kst
