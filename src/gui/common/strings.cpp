#include "gui/common/strings.h"

#include <QCoreApplication>

namespace kst {

QString qtr(TextId text)
{
    return QCoreApplication::translate("Kestrom", text);
}

QString qformat(TextId pattern, const QStringList& values)
{
    std::vector<std::string> utf8;
    for (const QString& v : values)
        utf8.push_back(fromQt(v));
    std::vector<std::string_view> views(utf8.begin(), utf8.end());
    return toQt(format(fromQt(qtr(pattern)), views));
}

QString toQt(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

std::string fromQt(const QString& text)
{
    return text.toStdString();
}

}  // namespace kst
