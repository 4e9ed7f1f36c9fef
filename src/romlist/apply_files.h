#pragma once

#include "romlist/rom_grid.h"

#include <string>
#include <vector>

namespace kst {

enum class ApplyMode { Process, RemoveEH };

// The files one Apply run reads and writes, one entry per row it handles, in
// row order: in processing mode the marked rows with their Input files; in
// Remove ExitHack mode every row with the file that mode reads. Each output is
// the row's output name.
struct ApplyFiles {
    std::vector<int> rows;
    std::vector<std::string> sources;
    std::vector<std::string> outputs;
};

ApplyFiles applyFiles(const RomGrid& grid, ApplyMode mode, const std::string& outputFolder, const std::string& prefix,
                      const std::string& suffix);

}  // namespace kst
