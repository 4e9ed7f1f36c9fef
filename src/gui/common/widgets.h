#pragma once

// Small helpers shared by the windows.

#include <QFont>
#include <QString>

#include <initializer_list>

class QWidget;
#include <cstdint>

class QProgressBar;

namespace kst {

// The windows' font: Tahoma 8 point where it is installed, the platform's sans otherwise.
QFont tahomaFont(bool bold);
// MS Sans Serif 8 point where it is installed, the platform's sans otherwise.
QFont msSansSerifFont();
// Arial Black at the given character height in pixels, or the heaviest
// weight of the platform's sans where it is missing.
QFont arialBlackFont(int pixelSize);

// Where a text must fit: the widget showing it and the width it may take.
struct TextRoom {
    QWidget* widget;
    int room;
};
// The stretch, in percent, that makes every widget's text fit its room when
// applied to its font: 100 when all fit already, never below 75. The fonts
// that stand in for missing Windows faces are wider than they.
int stretchToFit(std::initializer_list<TextRoom> places);

// Shows a byte count on a progress bar. The bar counts in int; totals beyond
// its range are shown in coarser steps.
void showByteProgress(QProgressBar* bar, std::uint64_t done, std::uint64_t total);

// Gives a widget (or action) its name, so that the code and the tests find it by the same name.
template <typename Widget>
Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

}  // namespace kst
