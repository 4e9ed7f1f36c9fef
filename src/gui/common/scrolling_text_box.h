#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

namespace kst {

// Whether a message box showing the text would be taller than the screen
// it opens on, so that its OK button would lie off the screen.
bool tallerThanScreen(const QString& text, QWidget* owner);

// A message box for such a text: the icon and caption of the box it stands
// in for, the text in a scrolling read-only area, and OK below it, all of it
// within the screen's available area.
void showScrollingTextBox(QMessageBox::Icon icon, const QString& caption, const QString& text, QWidget* owner);

}  // namespace kst
