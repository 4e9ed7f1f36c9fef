#include "romlist/rom_list_view.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

namespace kst {

RomListView::RomListView(QWidget* parent) : QTableView(parent)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
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

void RomListView::mousePressEvent(QMouseEvent* event)
{
    emit mouseDown(event->button());
    if (event->button() == Qt::LeftButton)
        QTableView::mousePressEvent(event);
}

void RomListView::keyPressEvent(QKeyEvent* event)
{
    // The handlers know keys by their Windows key codes.
    int code = event->key() == Qt::Key_Delete ? DeleteKeyCode : event->key();
    emit keyDown(code, event->modifiers());
    QTableView::keyPressEvent(event);
}

}  // namespace kst
