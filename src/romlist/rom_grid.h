#pragma once

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

    void setObserver(GridObserver* observer) { observer_ = observer; }

private:
    using Row = std::vector<std::string>;
    std::vector<Row> rows_;
    GridObserver* observer_ = nullptr;
};

}  // namespace kst
