// Marking, removing and renaming rows; the prefix, suffix and sample label.

#include "core/paths.h"
#include "gui/common/strings.h"
#include "gui/list/rom_list_view.h"
#include "gui/main_window/form1.h"
#include "gui/main_window/save_scan.h"
#include "romlist/list_editing.h"

#include <QLabel>
#include <QLineEdit>

namespace kst {

void TForm1::Liste1DblClick()
{
    if (!rowHighlighted())
        return;
    toggleMarks(grid_, selectionTop(), selectionBottom());
}

void TForm1::Liste1MouseDown(Qt::MouseButton button)
{
    if (button == Qt::MiddleButton)
        Liste1DblClick();
}

void TForm1::Liste1KeyDown(int key, Qt::KeyboardModifiers)
{
    if (key == SpaceKeyCode)
        Liste1DblClick();
    if (key != DeleteKeyCode || !rowHighlighted())
        return;
    int top = selectionTop();
    saveScan_->forgetRows(top, selectionBottom());
    removeListRows(grid_, top, selectionBottom());
    selectRows(top, top);
}

void TForm1::Removeselection1Click()
{
    if (!selectedRom())
        return;
    Liste1KeyDown(DeleteKeyCode, Qt::NoModifier);
}

void TForm1::UnselectAll1Click()
{
    saveScan_->cancelAll();
    clearList(grid_);
    selectRows(1, 1);
}

void TForm1::Editname1Click()
{
    const std::optional<int> selected = selectedRom();
    if (!selected)
        return;
    const int row = *selected;
    QString current = toQt(grid_.cell(ColName, row));
    std::optional<QString> typed = dialogs().input(qtr(strings::EditNameCaption), qtr(strings::EditNamePrompt), current);
    if (!typed)
        return;
    const std::string name = fromQt(*typed);
    // The Name becomes part of the output file's name, so Apply could not write it.
    if (std::optional<char> refused = characterRefusedInName(name)) {
        const QString shown = *refused == '\0' ? qtr(strings::NulCharacter) : QString(QLatin1Char(*refused));
        dialogs().error(qformat(strings::NameCharacterRefused, {shown}));
        return;
    }
    grid_.setCell(ColName, row, name);
}

void TForm1::Edit2Change()
{
    Label4->setText(toQt(sampleName(fromQt(Edit2->text()), fromQt(Edit3->text()))));
}

void TForm1::Edit3Change()
{
    Edit2Change();
}

}  // namespace kst
