#pragma once

#include <QTableView>

namespace kst {

// The ROM list's view: whole rows, a contiguous range at a time, no editing,
// no grid lines. Only the left button on a row changes the selection; the
// middle button and keys are passed to the window's handlers.
class RomListView : public QTableView {
    Q_OBJECT

public:
    explicit RomListView(QWidget* parent = nullptr);

signals:
    void mouseDown(Qt::MouseButton button);
    void keyDown(int key, Qt::KeyboardModifiers modifiers);
    // A double click of the left button anywhere in the list, rows or not.
    void dblClick();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
};

// The key code of the Delete key, as the list's key handler receives it.
inline constexpr int DeleteKeyCode = 46;
// The key code of the space bar, which marks rows as a double click does.
inline constexpr int SpaceKeyCode = 32;

}  // namespace kst
