// How many kilobytes the processed rows lost, from the Size and New size cells.

#include "gui/common/strings.h"
#include "gui/main_window/form1.h"
#include "romlist/lost_size.h"

namespace kst {

void TForm1::SizeLost1Click()
{
    int row = selectionTop();
    try {
        int lost = lostSize(grid_.cell(ColSize, row), grid_.cell(ColNewSize, row));
        dialogs().message(qformat(strings::LostSize, {QString::number(lost), qtr(texts::KbUnit)}));
    } catch (const NotANumberError& error) {
        dialogs().error(toQt(error.what()));
    }
}

void TForm1::otalSizeLost1Click()
{
    TotalLost figures;
    try {
        figures = totalLost(grid_);
    } catch (const NotANumberError& error) {
        dialogs().error(toQt(error.what()));
        return;
    }
    if (figures.counted == 0)
        dialogs().message(qtr(strings::NoRomsTruncated));
    else if (figures.total == 0)
        dialogs().information(qtr(strings::NoSizeLost));
    else
        dialogs().information(qformat(strings::TotalSizeLost, {QString::number(figures.total), qtr(texts::KbUnit),
                                                               QString::number(figures.average()),
                                                               qtr(texts::KbUnit)}));
}

void TForm1::ToolButton23Click()
{
    otalSizeLost1Click();
}

}  // namespace kst
