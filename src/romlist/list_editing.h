#pragma once

#include "romlist/rom_grid.h"

#include <optional>
#include <string>

namespace kst {

// Flips the mark of every ROM row from top to bottom; empty rows are left alone.
void toggleMarks(RomGrid& grid, int top, int bottom);

// Removes rows top..bottom. A list of one data row is emptied instead, and a
// list whose every data row goes keeps one blank row.
void removeListRows(RomGrid& grid, int top, int bottom);

// Empties every cell, captions included, back to two rows, then writes the captions.
void clearList(RomGrid& grid);

// The first data row whose Name another data row shares (exact comparison), if any.
std::optional<int> firstDuplicateName(const RomGrid& grid);

// Whether a row's Go cell holds the selection mark.
bool isMarked(const RomGrid& grid, int row);

// The housekeeping of each timer tick: New size emptied on empty rows, the
// New size caption restored, trailing empty rows dropped (never below 2 rows).
void tidyList(RomGrid& grid);

}  // namespace kst
