#include "app/widgets.h"

#include <QFontDatabase>
#include <QProgressBar>
#include <QStringList>

#include <algorithm>
#include <limits>

namespace kst {

QFont tahomaFont(bool bold)
{
    QFont font = QFontDatabase::families().contains(QStringLiteral("Tahoma"))
                     ? QFont(QStringLiteral("Tahoma"))
                     : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSize(8);
    font.setBold(bold);
    return font;
}

void showByteProgress(QProgressBar* bar, std::uint64_t done, std::uint64_t total)
{
    int shift = 0;
    while ((total >> shift) > static_cast<std::uint64_t>(std::numeric_limits<int>::max()))
        ++shift;
    bar->setMinimum(0);
    bar->setMaximum(static_cast<int>(total >> shift));
    bar->setValue(static_cast<int>(std::min(done, total) >> shift));
}

}  // namespace kst
