#include "app/widgets.h"

#include <QFontDatabase>
#include <QStringList>

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

}  // namespace kst
