#include "gui/common/widgets.h"

#include <QFontDatabase>
#include <QProgressBar>
#include <QStringList>
#include <QWidget>

#include <algorithm>

#include <algorithm>
#include <limits>

namespace kst {
namespace {

// The named family where it is installed; the platform's sans otherwise.
QFont installedOrSans(const QString& family)
{
    return QFontDatabase::families().contains(family) ? QFont(family)
                                                      : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
}

}  // namespace

QFont tahomaFont(bool bold)
{
    QFont font = installedOrSans(QStringLiteral("Tahoma"));
    font.setPointSize(8);
    font.setBold(bold);
    return font;
}

QFont msSansSerifFont()
{
    QFont font = installedOrSans(QStringLiteral("MS Sans Serif"));
    font.setPointSize(8);
    return font;
}

QFont arialBlackFont(int pixelSize)
{
    QFont font = installedOrSans(QStringLiteral("Arial Black"));
    if (font.family() != QStringLiteral("Arial Black"))
        font.setWeight(QFont::Black);
    font.setPixelSize(pixelSize);
    return font;
}

int stretchToFit(std::initializer_list<TextRoom> places)
{
    double worst = 1.0;
    for (const TextRoom& place : places)
        worst = std::max(worst, static_cast<double>(place.widget->sizeHint().width()) / place.room);
    return worst <= 1.0 ? 100 : std::max(75, static_cast<int>(100 / worst));
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
