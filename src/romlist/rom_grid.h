#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kst {

// Columns of the ROM list.
enum Column : int {
    ColGo = 0,
    ColName = 1,
    ColSize = 2,
    ColDir = 3,
    ColNewSize = 4,
    ColInternalName = 5,
    ColCountry = 6,
    ColMaker = 7,
    ColInput = 8,
    ColSave = 9,
    ColVerified = 10,
};
inline constexpr int ColumnCount = 11;
inline constexpr int MinimumRowCount = 2;  // the caption row and one data row

// Told about every change of a grid, so that a view can follow it.
class GridObserver {
public:
    virtual ~GridObserver() = default;
    virtual void beforeRowCountChange(int oldCount, int newCount) = 0;
    virtual void afterRowCountChange(int oldCount, int newCount) = 0;
    virtual void beforeRowsRemoved(int first, int last) = 0;
    virtual void afterRowsRemoved(int first, int last) = 0;
    virtual void cellChanged(int col, int row) = 0;
};

// Names a row whatever moves it: work done in the background for a row
// finds it by its id, not by its index, which removing rows above changes.
using RowId = std::uint64_t;

// The ROM list's store: text cells addressed by column and row. Row 0 holds
// the captions; rows 1 and up hold ROMs. There are never fewer than 2 rows.
class RomGrid {
public:
    RomGrid();

    int rowCount() const { return static_cast<int>(rows_.size()); }
    // Grows with blank rows or drops rows from the end; never below 2 rows.
    void setRowCount(int count);

    const std::string& cell(int col, int row) const;
    void setCell(int col, int row, std::string text);

    // Removes rows first..last (data rows), moving the rows below up.
    void removeRows(int first, int last);

    // A data row whose Name cell is empty.
    bool isEmptyRow(int row) const { return cell(ColName, row).empty(); }
    // True when every cell of the row is empty.
    bool isBlankRow(int row) const;

    RowId rowId(int row) const { return rows_.at(static_cast<std::size_t>(row)).id; }
    // A new id for a row that receives another image: what was under way for
    // the old one finds no row.
    RowId renewRowId(int row);
    // The row of that id; hint is where it is looked for first.
    std::optional<int> rowOf(RowId id, int hint = 1) const;

    void setObserver(GridObserver* observer) { observer_ = observer; }

private:
    struct Row {
        std::vector<std::string> cells;
        RowId id = 0;
    };
    Row newRow() { return {std::vector<std::string>(ColumnCount), ++lastId_}; }

    RowId lastId_ = 0;
    std::vector<Row> rows_;
    GridObserver* observer_ = nullptr;
};

}  // namespace kst
