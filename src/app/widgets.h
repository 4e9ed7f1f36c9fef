#pragma once

// Small helpers shared by the windows.

#include <QFont>
#include <QString>

#include <cstdint>

class QProgressBar;

namespace kst {

// The windows' font: Tahoma 8 point where it is installed, the platform's sans otherwise.
QFont tahomaFont(bool bold);

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
