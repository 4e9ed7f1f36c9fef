#pragma once

#include "romheader/header.h"
#include "romlist/rom_grid.h"
#include "romops/save_type.h"

#include <optional>
#include <string>

namespace kst {

// An empty cell text is stored as one space, so that the cell is not empty.
std::string nonEmptyCell(std::string text);

// The row that receives a newly added image: row 1 of a blank list, else a
// new row at the end.
int rowForNewImage(RomGrid& grid);

// Writes the cells of a newly added image, in the order Name, Size, Dir,
// Internal name, Country, Maker, Input, and empties its Save cell, which the
// save scan fills later. Texts pass through tr(). The row gets a new id,
// which is returned.
RowId writeImageRow(RomGrid& grid, int row, const std::string& path, const RomHeader& header);

// Writes the Save cell: the save hardware in words, or that the image could
// not be read to its end (nullopt).
void writeSaveCell(RomGrid& grid, int row, const std::optional<ops::SaveType>& save);

// Writes the captions into row 0.
void renamecols(RomGrid& grid);

}  // namespace kst
