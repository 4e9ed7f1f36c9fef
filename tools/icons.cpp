// Renders the program's icon into the layout of the hicolor icon theme, for
// the install: OUT/hicolor/<n>x<n>/apps/<NAME>.png for each size n given.

#include "gui/common/toolbar_images.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "Usage: kestrom-icons OUTPUT-FOLDER ICON-NAME SIZE...\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (int i = 3; i < argc; ++i) {
        const int size = QString::fromLocal8Bit(argv[i]).toInt();
        const QString folder = QStringLiteral("%1/hicolor/%2x%2/apps").arg(out).arg(size);
        const QString file = QStringLiteral("%1/%2.png").arg(folder, name);
        if (size <= 0 || !QDir().mkpath(folder) || !kst::programIconImage(size).save(file)) {
            std::fprintf(stderr, "kestrom-icons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
