#include "romlist/rom_grid.h"

#include <algorithm>
#include <stdexcept>

namespace kst {

RomGrid::RomGrid()
{
    setRowCount(MinimumRowCount);
}

void RomGrid::setRowCount(int count)
{
    count = std::max(count, MinimumRowCount);
    int old = rowCount();
    if (count == old)
        return;
    if (observer_)
        observer_->beforeRowCountChange(old, count);
    if (count < old)
        rows_.resize(static_cast<std::size_t>(count));
    while (rowCount() < count)
        rows_.push_back(newRow());
    if (observer_)
        observer_->afterRowCountChange(old, count);
}

const std::string& RomGrid::cell(int col, int row) const
{
    return rows_.at(static_cast<std::size_t>(row)).cells.at(static_cast<std::size_t>(col));
}

void RomGrid::setCell(int col, int row, std::string text)
{
    std::string& target = rows_.at(static_cast<std::size_t>(row)).cells.at(static_cast<std::size_t>(col));
    if (target == text)
        return;
    target = std::move(text);
    if (observer_)
        observer_->cellChanged(col, row);
}

void RomGrid::removeRows(int first, int last)
{
    if (first < 1 || last < first || last >= rowCount())
        throw std::out_of_range("RomGrid::removeRows: rows outside the data rows");
    if (observer_)
        observer_->beforeRowsRemoved(first, last);
    rows_.erase(rows_.begin() + first, rows_.begin() + last + 1);
    if (observer_)
        observer_->afterRowsRemoved(first, last);
    if (rowCount() < MinimumRowCount)
        setRowCount(MinimumRowCount);
}

bool RomGrid::isBlankRow(int row) const
{
    const std::vector<std::string>& cells = rows_.at(static_cast<std::size_t>(row)).cells;
    return std::all_of(cells.begin(), cells.end(), [](const std::string& c) { return c.empty(); });
}

RowId RomGrid::renewRowId(int row)
{
    return rows_.at(static_cast<std::size_t>(row)).id = ++lastId_;
}

std::optional<int> RomGrid::rowOf(RowId id, int hint) const
{
    // Rows only move up when rows above them go, so the search runs upwards from the hint.
    for (int row = std::min(hint, rowCount() - 1); row >= 0; --row)
        if (rows_[static_cast<std::size_t>(row)].id == id)
            return row;
    return std::nullopt;
}

}  // namespace kst
