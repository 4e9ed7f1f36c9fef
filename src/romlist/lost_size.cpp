#include "romlist/lost_size.h"

#include "core/texts.h"

#include <charconv>

namespace kst {
namespace {

int toInteger(const std::string& text)
{
    int value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+')
        ++first;
    auto [end, error] = std::from_chars(first, last, value);
    if (first == last || error != std::errc() || end != last)
        throw NotANumberError(format(tr(texts::NotANumber), {text}));
    return value;
}

std::string beforeUnit(const std::string& cell)
{
    return cell.substr(0, cell.find(tr(texts::KbUnit)));
}

std::string withoutUnit(const std::string& cell)
{
    return cell.substr(0, cell.size() >= 3 ? cell.size() - 3 : 0);
}

}  // namespace

int lostSize(const std::string& sizeCell, const std::string& newSizeCell)
{
    int newSize = toInteger(beforeUnit(newSizeCell));
    int oldSize = toInteger(beforeUnit(sizeCell));
    return oldSize - newSize;
}

TotalLost totalLost(const RomGrid& grid)
{
    TotalLost figures;
    for (int row = 1; row < grid.rowCount(); ++row) {
        const std::string& newSize = grid.cell(ColNewSize, row);
        if (newSize.empty())
            continue;
        figures.total += toInteger(withoutUnit(grid.cell(ColSize, row))) - toInteger(withoutUnit(newSize));
        ++figures.counted;
    }
    return figures;
}

}  // namespace kst
