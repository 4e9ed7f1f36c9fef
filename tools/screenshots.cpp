// Starts the windows as the program does, fills the list with a few
// synthetic images and saves a picture of every window and menu, so that the
// GUI can be looked at without clicking through it.
//
//     kestrom-screenshots OUTPUT_FOLDER

#include "app/application.h"
#include "app/form1.h"
#include "app/strings.h"
#include "app/translations.h"
#include "romlist/list_editing.h"
#include "romlist/rom_list_view.h"
#include "settings/form2.h"
#include "settings/form3.h"
#include "settings/form4.h"
#include "support/synthetic_image.h"

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <vector>

namespace {

// A dump of a smaller game: a quarter of each image is 0xFF padding, so that
// Apply has something to cut.
void writeImage(const QString& path, std::size_t size, const char* name, char country, const char* maker)
{
    kst::test::ImageSpec spec;
    spec.size = size;
    spec.internalName = name;
    spec.gameCode = "AAA";
    spec.countryLetter = country;
    spec.makerCode = maker;
    spec.dataEnd = size * 3 / 4;
    spec.padding = 0xFF;
    const std::vector<std::uint8_t> bytes = kst::test::makeImage(spec);
    std::ofstream(path.toStdString(), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void settle()
{
    for (int i = 0; i < 20; ++i) {
        QApplication::processEvents();
        QThread::msleep(20);
    }
}

void save(QWidget* widget, const QString& path)
{
    settle();
    if (widget->grab().save(path))
        std::printf("%s\n", qPrintable(path));
    else
        std::fprintf(stderr, "could not save %s\n", qPrintable(path));
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: kestrom-screenshots OUTPUT_FOLDER\n");
        return 2;
    }
    kst::installTranslations();
    QDir out(QString::fromLocal8Bit(argv[1]));
    out.mkpath(QStringLiteral("."));

    kst::Windows windows = kst::createWindows();
    kst::TForm1* form = windows.form1;
    form->show();
    save(form, out.filePath(QStringLiteral("main-empty.png")));

    QTemporaryDir roms;
    struct Demo {
        const char* file;
        std::size_t size;
        const char* name;
        char country;
        const char* maker;
    };
    const Demo demos[] = {
        {"Star Racer.gba", 4 << 20, "STARRACER", 'E', "01"},
        {"Puzzle Land (E).gba", 8 << 20, "PUZZLELAND", 'P', "78"},
        {"Dungeon Tales.GBA", 2 << 20, "DUNGEONTALE", 'J', "A4"},
        {"homebrew demo.gba", 300000, "", 'X', "00"},
    };
    for (const Demo& demo : demos) {
        QString path = roms.filePath(QString::fromLatin1(demo.file));
        writeImage(path, demo.size, demo.name, demo.country, demo.maker);
        form->addImage(path.toStdString(), false);
    }
    kst::toggleMarks(form->grid(), 1, 2);
    form->selectRows(2, 2);
    save(form, out.filePath(QStringLiteral("main-list.png")));

    // Apply with Truncate on the two marked rows: the log as it pops up, then New size.
    QTemporaryDir output;
    form->outputFolder = output.path().toStdString() + "/";
    form->Truncate1Click();
    QTimer::singleShot(300, [&] {
        if (QWidget* log = QApplication::activeModalWidget()) {
            save(log, out.filePath(QStringLiteral("operation-log.png")));
            log->close();
        }
    });
    form->BitBtn1Click();
    form->Timer1Timer();
    save(form, out.filePath(QStringLiteral("main-applied.png")));

    for (QMenu* menu : {form->File1, form->Edit1, form->Action1, form->Extra1, form->Help1}) {
        menu->popup(form->mapToGlobal(QPoint(0, 0)));
        save(menu, out.filePath(QStringLiteral("menu-%1.png").arg(menu->objectName())));
        menu->hide();
    }
    form->PopupMenu1->popup(form->mapToGlobal(QPoint(40, 80)));
    save(form->PopupMenu1, out.filePath(QStringLiteral("menu-PopupMenu1.png")));
    form->PopupMenu1->hide();

    form->Options1Click();
    save(windows.form3, out.filePath(QStringLiteral("options.png")));
    windows.form2->show();
    save(windows.form2, out.filePath(QStringLiteral("folder-chooser.png")));
    windows.form2->hide();
    windows.form3->hide();
    form->About1Click();
    save(windows.form4, out.filePath(QStringLiteral("about.png")));
    windows.form4->hide();

    kst::destroyWindows(windows);
    return 0;
}
