#include "romlist/image_row.h"

#include "core/kilobytes.h"
#include "core/latin1.h"
#include "core/paths.h"
#include "core/texts.h"

#include <array>

namespace kst {
std::string nonEmptyCell(std::string text)
{
    return text.empty() ? std::string(" ") : text;
}

int rowForNewImage(RomGrid& grid)
{
    if (grid.rowCount() == 2 && grid.isBlankRow(1))
        return 1;
    grid.setRowCount(grid.rowCount() + 1);
    return grid.rowCount() - 1;
}

RowId writeImageRow(RomGrid& grid, int row, const std::string& path, const RomHeader& header)
{
    grid.setCell(ColName, row, nonEmptyCell(nameOf(path)));
    grid.setCell(ColSize, row, kilobytes(header.size));
    grid.setCell(ColDir, row, folderOf(path));
    grid.setCell(ColInternalName, row, nonEmptyCell(latin1ToUtf8(header.internalName)));
    grid.setCell(ColCountry, row, tr(country(header.countryLetter)));
    grid.setCell(ColMaker, row, tr(company(header.makerCode)));
    grid.setCell(ColInput, row, path);
    grid.setCell(ColSave, row, {});
    return grid.renewRowId(row);
}

void writeSaveCell(RomGrid& grid, int row, const std::optional<ops::SaveType>& save)
{
    grid.setCell(ColSave, row, tr(save ? ops::saveTypeText(save->kind) : texts::VerdictUnreadable));
}

void renamecols(RomGrid& grid)
{
    static constexpr std::array captions{texts::ColGo,           texts::ColName,    texts::ColSize,
                                         texts::ColDir,          texts::ColNewSize, texts::ColInternalName,
                                         texts::ColCountry,      texts::ColMaker,   texts::ColInput,
                                         texts::ColSave,         texts::ColVerified};
    for (int col = 0; col < ColumnCount; ++col)
        grid.setCell(col, 0, tr(captions[static_cast<std::size_t>(col)]));
}

}  // namespace kst
