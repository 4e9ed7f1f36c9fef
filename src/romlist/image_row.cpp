#include "romlist/image_row.h"

#include "core/ascii.h"
#include "core/latin1.h"
#include "core/texts.h"

#include <array>

namespace kst {
namespace {

std::size_t afterLastSeparator(std::string_view path)
{
    std::size_t sep = path.rfind(PathSeparator);
    return sep == std::string_view::npos ? 0 : sep + 1;
}

}  // namespace

std::string_view extensionOf(std::string_view path)
{
    std::size_t start = afterLastSeparator(path);
    std::size_t dot = path.rfind('.');
    if (dot == std::string_view::npos || dot < start)
        return {};
    return path.substr(dot);
}

bool hasExtension(std::string_view path, std::string_view expected)
{
    return equalIgnoringAsciiCase(extensionOf(path), expected);
}

std::string nameOf(std::string_view path)
{
    std::string_view file = path.substr(afterLastSeparator(path));
    return std::string(file.substr(0, file.size() >= 4 ? file.size() - 4 : 0));
}

std::string folderOf(std::string_view path)
{
    return std::string(path.substr(0, afterLastSeparator(path)));
}

std::string kilobytes(std::uint64_t bytes)
{
    return std::to_string(bytes / 1024) + tr(texts::KbUnit);
}

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

void writeImageRow(RomGrid& grid, int row, const std::string& path, const RomHeader& header)
{
    grid.setCell(ColName, row, nonEmptyCell(nameOf(path)));
    grid.setCell(ColSize, row, kilobytes(header.size));
    grid.setCell(ColDir, row, folderOf(path));
    grid.setCell(ColInternalName, row, nonEmptyCell(latin1ToUtf8(header.internalName)));
    grid.setCell(ColCountry, row, tr(country(header.countryLetter)));
    grid.setCell(ColMaker, row, tr(company(header.makerCode)));
    grid.setCell(ColInput, row, path);
}

void renamecols(RomGrid& grid)
{
    static constexpr std::array captions{texts::ColGo,           texts::ColName,    texts::ColSize,
                                         texts::ColDir,          texts::ColNewSize, texts::ColInternalName,
                                         texts::ColCountry,      texts::ColMaker,   texts::ColInput};
    for (int col = 0; col < ColumnCount; ++col)
        grid.setCell(col, 0, tr(captions[static_cast<std::size_t>(col)]));
}

}  // namespace kst
