// The timer's housekeeping: status line, list tail and the commands that
// depend on the list.

#include "gui/common/strings.h"
#include "gui/main_window/form1.h"
#include "romlist/list_editing.h"
#include "romlist/status_text.h"

#include <QAction>
#include <QPushButton>
#include <QToolButton>

namespace kst {

void TForm1::Timer1Timer()
{
    setAcceptDrops(true);
    tidyList(grid_);

    bool hasRoms = !grid_.isEmptyRow(1);
    QString status = toQt(statusLine(hasRoms, grid_.rowCount(), selectionTop(), applyMode(), chosenActions()));
    if (statusText() != status)
        setStatusText(status);
    BitBtn3->setEnabled(hasRoms);

    int selected = std::min(selectionTop(), grid_.rowCount() - 1);
    bool processed = rowHighlighted() && !grid_.cell(ColNewSize, selected).empty();
    SizeLost1->setEnabled(processed);
    otalSizeLost1->setEnabled(processed);
    ToolButton8->setEnabled(processed);
    ToolButton23->setEnabled(processed);
}

}  // namespace kst
