// Starts the windows as the program does, fills the list with a few
// synthetic images and saves a picture of every window and menu, so that the
// GUI can be looked at without clicking through it.
//
//     kestrom-screenshots OUTPUT_FOLDER

#include "gui/about/form4.h"
#include "gui/app/application.h"
#include "gui/app/translations.h"
#include "gui/common/dialogs.h"
#include "gui/archive/progress_form.h"
#include "gui/common/dialogs.h"
#include "gui/common/strings.h"
#include "gui/list/rom_list_view.h"
#include "gui/main_window/form1.h"
#include "gui/main_window/save_scan.h"
#include "gui/settings/form2.h"
#include "gui/settings/form3.h"
#include "romlist/list_editing.h"
#include "support/synthetic_image.h"
#include "support/zip_writer.h"
#include "verify/checksums.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressBar>
#include <QScrollBar>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
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

// An archive of a few images, deflated as a zip tool writes them.
bool writeArchive(const QString& path, const QStringList& images)
{
    std::vector<kst::test::ZipEntry> members;
    for (const QString& image : images) {
        std::ifstream in(image.toStdString(), std::ios::binary);
        const std::vector<std::uint8_t> data{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        members.push_back(kst::test::deflatedEntry(QFileInfo(image).fileName().toStdString(), data));
    }
    const std::vector<std::uint8_t> bytes = kst::test::zipArchive(members);
    std::ofstream out(path.toStdString(), std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

// A DAT entry for an image file, as a preservation group would list it.
std::string datEntry(const QString& path, const char* game)
{
    std::ifstream in(path.toStdString(), std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const kst::verify::Digests d = kst::verify::digestsOf(bytes);
    char crc[9];
    std::snprintf(crc, sizeof crc, "%08x", d.crc);
    return std::string("<game name=\"") + game + "\"><rom name=\"x.gba\" size=\"" + std::to_string(bytes.size()) +
           "\" crc=\"" + crc + "\" md5=\"" + kst::verify::toHex(d.md5) + "\" sha1=\"" +
           kst::verify::toHex(d.sha1) + "\"/></game>\n";
}

// Writes text over an image's bytes at offset, as a linked save library leaves its name.
void stamp(const QString& path, std::size_t offset, const char* text)
{
    std::fstream file(path.toStdString(), std::ios::binary | std::ios::in | std::ios::out);
    file.seekp(static_cast<std::streamoff>(offset));
    file.write(text, static_cast<std::streamsize>(std::strlen(text)));
}

// Qt's dialogs, but the file dialog picks the given file at once.
class DatPicked : public kst::QtDialogs {
public:
    explicit DatPicked(QString file) : file_(std::move(file)) {}
    std::optional<kst::OpenFileAnswer> openFile(const kst::OpenFileRequest&) override
    {
        return kst::OpenFileAnswer{{file_}};
    }

private:
    QString file_;
};

// Drops local files on a window as the window system delivers a drop: enter,
// move, then the drop itself (a drop that did not enter is not delivered).
void dropFiles(QWidget* window, const QStringList& paths)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    data.setUrls(urls);
    QPoint at = window->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &enter);
    QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &move);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &drop);
}

void settle()
{
    for (int i = 0; i < 20; ++i) {
        QApplication::processEvents();
        QThread::msleep(20);
    }
}

void report(bool saved, const QString& path)
{
    if (saved)
        std::printf("%s\n", qPrintable(path));
    else
        std::fprintf(stderr, "could not save %s\n", qPrintable(path));
}

void save(QWidget* widget, const QString& path)
{
    settle();
    report(widget->grab().save(path), path);
}

// The whole screen, for windows seen over one another.
void saveScreen(const QString& path)
{
    settle();
    report(QApplication::primaryScreen()->grabWindow(0).save(path), path);
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
    form->saveScan().finish();  // the pictures show the Save column filled
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

    // The log of a big run: taller than the screen, so it scrolls with OK in reach.
    QString bigLog;
    for (int i = 1; i <= 1992; ++i)
        bigLog += QStringLiteral("\n/home/user/roms/Game %1 (E).gba [Trimmed] [EH Applied]").arg(i, 4, 10, QLatin1Char('0'));
    QTimer::singleShot(300, [&] {
        if (QApplication::activeModalWidget()) {
            saveScreen(out.filePath(QStringLiteral("operation-log-big.png")));
            QApplication::activeModalWidget()->close();
        }
    });
    kst::dialogs().information(kst::qformat(kst::strings::OperationLog, {bigLog}));

    // A real archive dropped on the window: the progress window over the main
    // window while it unpacks, the report, and the rows of its members.
    QTemporaryDir unpackInto;
    form->temporaryFolder = unpackInto.path().toStdString() + "/";
    QString archive = roms.filePath(QStringLiteral("Collection.zip"));
    QStringList members;
    for (const Demo& demo : demos)
        members << roms.filePath(QString::fromLatin1(demo.file));
    members.removeLast();
    if (!writeArchive(archive, members))
        std::fprintf(stderr, "could not write %s\n", qPrintable(archive));
    bool progressSaved = false;
    std::int64_t unpacked = 0;
    form->Zip1.OnZEDProgressEvent = [&](kst::TZip&, const std::string&, std::int64_t bytes, std::int64_t total) {
        unpacked += bytes;
        auto* progress = form->findChild<kst::TProgressForm*>();
        if (progressSaved || !progress || unpacked * 3 < total)
            return;
        progressSaved = true;
        save(progress, out.filePath(QStringLiteral("progress-window.png")));
        saveScreen(out.filePath(QStringLiteral("progress-over-main.png")));
    };
    // Modal boxes that come up are saved under the name their turn gives, then answered.
    QStringList boxNames = {QStringLiteral("archive-report.png"), QStringLiteral("prompt-overwrite.png"),
                            QStringLiteral("archive-report-cancelled.png")};
    QTimer boxes;
    boxes.setInterval(200);
    QObject::connect(&boxes, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || boxNames.isEmpty())
            return;
        boxes.stop();
        save(box, out.filePath(boxNames.takeFirst()));
        // Cancel the overwrite question, so that the report after it shows a cancelled extraction.
        QAbstractButton* answer = box->button(QMessageBox::Cancel) ? box->button(QMessageBox::Cancel)
                                                                    : box->button(QMessageBox::Ok);
        if (answer)
            answer->click();
        boxes.start();
    });
    boxes.start();
    form->UnselectAll1Click();
    dropFiles(form, {archive});
    settle();
    form->Timer1Timer();
    save(form, out.filePath(QStringLiteral("main-archive-rows.png")));
    // Dropped again: its files are there, and the first one is asked about.
    dropFiles(form, {archive});
    settle();
    boxes.stop();
    form->Zip1.OnZEDProgressEvent = nullptr;

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

    // Each modal box is saved as it pops up, then closed (an input box so cancelled).
    auto saveModal = [&](const char* name, const std::function<void()>& open) {
        const QString path = out.filePath(QString::fromLatin1(name));
        QTimer::singleShot(300, [path] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                save(box, path);
                box->close();
            }
        });
        open();
    };
    saveModal("warnings.png", [&] { form->Warnings1Click(); });
    saveModal("how-does-it-work.png", [&] { form->Howdoesitworks1Click(); });
    saveModal("beta-testers.png", [&] { form->BetaTesters1Click(); });
    form->selectRows(1, 1);
    saveModal("internal-name-input.png", [&] { form->EditInternalname1Click(); });
    form->emulatorPath.clear();
    saveModal("emulator-path-input.png", [&] { form->Play1Click(); });

    // The Save and Verified columns: images linking save libraries, checked
    // against a DAT that knows two of them, one of these trimmed.
    form->UnselectAll1Click();
    const char* libraries[] = {"FLASH1M_V103", "EEPROM_V124", "SRAM_V113", nullptr};
    const char* games[] = {"Star Racer (USA)", "Puzzle Land (Europe)", nullptr, nullptr};
    std::string dat = "<?xml version=\"1.0\"?>\n<datafile>\n";
    for (std::size_t i = 0; i < std::size(demos); ++i) {
        const QString path = roms.filePath(QStringLiteral("v%1 ").arg(i) + QString::fromLatin1(demos[i].file));
        writeImage(path, demos[i].size, demos[i].name, demos[i].country, demos[i].maker);
        if (libraries[i])
            stamp(path, 0x10000, libraries[i]);
        if (games[i])
            dat += datEntry(path, games[i]);
        if (i == 1)  // trimmed as RomTrunc leaves it: the data and one byte of padding
            std::filesystem::resize_file(path.toStdString(), demos[i].size * 3 / 4 + 1);
        form->addImage(path.toStdString(), false);
    }
    form->saveScan().finish();
    const QString datPath = roms.filePath(QStringLiteral("good dumps.dat"));
    std::ofstream(datPath.toStdString()) << dat << "</datafile>\n";
    // The file dialog is answered with the DAT; the counts box is saved, then closed.
    kst::installDialogs(std::make_unique<DatPicked>(datPath));
    QTimer::singleShot(300, [&] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            save(box, out.filePath(QStringLiteral("verify-counts.png")));
            box->close();
        }
    });
    form->VerifyDat1Click();
    kst::installDialogs(nullptr);
    const QSize size = form->size();
    form->resize(1010, size.height());
    form->Liste1->horizontalScrollBar()->setValue(form->Liste1->horizontalScrollBar()->maximum());
    save(form, out.filePath(QStringLiteral("main-verified.png")));
    form->resize(size);

    kst::destroyWindows(windows);
    return 0;
}
