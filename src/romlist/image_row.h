#pragma once

#include "romheader/header.h"
#include "romlist/rom_grid.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace kst {

// Path pieces as the list shows them. On this port the separator is '/'.
inline constexpr char PathSeparator = '/';

// The part from the last '.' after the last separator; empty when there is none.
std::string_view extensionOf(std::string_view path);
// Compares the extension with an expected one ("." + letters), ignoring ASCII case.
bool hasExtension(std::string_view path, std::string_view expected);
// The file name part, minus its last four characters (its ".gba" in any case).
std::string nameOf(std::string_view path);
// The path up to and including its last separator.
std::string folderOf(std::string_view path);
// A byte count as the list shows it: whole kilobytes followed by " KB".
std::string kilobytes(std::uint64_t bytes);
// An empty cell text is stored as one space, so that the cell is not empty.
std::string nonEmptyCell(std::string text);

// The row that receives a newly added image: row 1 of a blank list, else a
// new row at the end.
int rowForNewImage(RomGrid& grid);

// Writes the cells of a newly added image, in the order Name, Size, Dir,
// Internal name, Country, Maker, Input. Texts pass through tr().
void writeImageRow(RomGrid& grid, int row, const std::string& path, const RomHeader& header);

// Writes the nine captions into row 0.
void renamecols(RomGrid& grid);

}  // namespace kst
