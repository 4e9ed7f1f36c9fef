#pragma once

#include "romlist/rom_grid.h"

#include <stdexcept>
#include <string>

namespace kst {

// A size cell whose number is not a decimal integer.
class NotANumberError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Kilobytes one row lost: Size − New size, each cell cut at its own " KB".
int lostSize(const std::string& sizeCell, const std::string& newSizeCell);

struct TotalLost {
    int total = 0;    // kilobytes, negative when the rows grew
    int counted = 0;  // rows with a New size
    int average() const { return counted ? total / counted : 0; }  // truncates toward zero
};

// Sums the loss over every row whose New size cell is not empty.
TotalLost totalLost(const RomGrid& grid);

}  // namespace kst
