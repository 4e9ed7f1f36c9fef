#include "gui/list/rom_list_view.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>

namespace kst {
namespace {

// What the handler receives for a key that has no code of its own there.
constexpr int UnknownKeyCode = 0;

// The key code the list's key handler knows a Qt key by.
int windowsKeyCode(int qtKey, Qt::KeyboardModifiers modifiers)
{
    if (qtKey == Qt::Key_Delete)
        return DeleteKeyCode;
    if (qtKey == Qt::Key_Space)
        return SpaceKeyCode;
    // Letters and main-row digits share their codes in both systems; every other
    // Qt code may stand for another key there (Qt's "." is 46, Delete's number).
    bool letter = qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z;
    bool digit = qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9 && !modifiers.testFlag(Qt::KeypadModifier);
    return letter || digit ? qtKey : UnknownKeyCode;
}

}  // namespace

RomListView::RomListView(QWidget* parent) : QTableView(parent)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The list is one stop of the window's Tab order, not a walk through its columns.
    setTabKeyNavigation(false);
    setShowGrid(false);
    setWordWrap(false);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setAcceptDrops(false);  // drops go to the main window
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(16);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setSectionsClickable(false);
}

void RomListView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        // Another button's second press is a press like its first.
        mousePressEvent(event);
        return;
    }
    // Below the last row as well as on a row: the base class only reports the latter.
    QTableView::mouseDoubleClickEvent(event);
    emit dblClick();
}

void RomListView::mousePressEvent(QMouseEvent* event)
{
    emit mouseDown(event->button());
    if (event->button() != Qt::LeftButton)
        return;
    // A press beside or below the rows keeps the highlighted rows, which the
    // commands act on, instead of leaving none.
    if (!indexAt(event->position().toPoint()).isValid()) {
        setFocus(Qt::MouseFocusReason);
        return;
    }
    QTableView::mousePressEvent(event);
}

void RomListView::keyPressEvent(QKeyEvent* event)
{
    emit keyDown(windowsKeyCode(event->key(), event->modifiers()), event->modifiers());
    // Space marks the highlighted rows; the base class would highlight one row instead.
    if (event->key() == Qt::Key_Space)
        return;
    QTableView::keyPressEvent(event);
}

QModelIndex RomListView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    // Home and End go to the first and last row, in place of the first and last column.
    const int column = std::max(currentIndex().column(), 0);
    if (action == MoveHome)
        return model()->index(0, column);
    if (action == MoveEnd)
        return model()->index(model()->rowCount() - 1, column);
    return QTableView::moveCursor(action, modifiers);
}

}  // namespace kst
