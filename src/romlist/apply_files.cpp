#include "romlist/apply_files.h"

#include "core/paths.h"
#include "romlist/list_editing.h"
#include "romops/exithack_removal.h"

namespace kst {

ApplyFiles applyFiles(const RomGrid& grid, ApplyMode mode, const std::string& outputFolder, const std::string& prefix,
                      const std::string& suffix)
{
    ApplyFiles files;
    for (int row = 1; row < grid.rowCount(); ++row) {
        const std::string& name = grid.cell(ColName, row);
        if (mode == ApplyMode::Process) {
            if (!isMarked(grid, row))
                continue;
            files.sources.push_back(grid.cell(ColInput, row));
        } else {
            files.sources.push_back(ops::removeEHSourcePath(grid.cell(ColDir, row), name, grid.cell(ColInput, row)));
        }
        files.rows.push_back(row);
        files.outputs.push_back(outputName(outputFolder, prefix, name, suffix));
    }
    return files;
}

}  // namespace kst
