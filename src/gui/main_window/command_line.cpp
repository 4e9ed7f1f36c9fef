#include "gui/main_window/command_line.h"

#include "gui/main_window/form1.h"

#include <QDir>
#include <QTimer>
#include <QUrl>

namespace kst {

QStringList commandLineFiles(const QStringList& arguments)
{
    QStringList files;
    for (const QString& argument : arguments) {
        if (argument.isEmpty() || argument == QLatin1String("--"))
            continue;
        QString path = argument.startsWith(QLatin1String("file:")) ? QUrl(argument).toLocalFile() : argument;
        if (path.isEmpty())
            continue;
        // Clean only a relative path's join: a path as given keeps its own spelling.
        files << (QDir::isAbsolutePath(path) ? path : QDir::cleanPath(QDir::current().absoluteFilePath(path)));
    }
    return files;
}

void addWhenStarted(TForm1& form, const QStringList& paths)
{
    if (paths.isEmpty())
        return;
    QTimer::singleShot(0, &form, [&form, paths] { form.WMDropFiles(paths); });
}

}  // namespace kst
