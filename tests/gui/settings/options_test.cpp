// The settings file at start-up and the Options window: loading into both
// windows, OK saving and making the temporary folder, Cancel.

#include "gui/main_window/form1.h"
#include "gui/settings/form2.h"
#include "gui/settings/form3.h"
#include "gui/support/gui_fixture.h"
#include "settings/profile_file.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <fstream>
#include <sys/stat.h>

namespace kst::test {
namespace {

using Kind = ShownDialog::Kind;

class OptionsTest : public GuiTest {
protected:
    std::filesystem::path ini() const { return platform->program / "options.ini"; }
    void writeIni(const std::string& text) { std::ofstream(ini(), std::ios::binary) << text; }
    std::string readIni() const
    {
        std::ifstream in(ini(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::string stored(const char* key) const { return ProfileFile(ini()).readString("Options", key, "<missing>"); }
    TForm3& options() { return *windows.form3; }
    std::vector<QWidget*> threeWindows() { return {windows.form1, windows.form2, windows.form3}; }
    static bool onTop(QWidget* window) { return window->windowFlags().testFlag(Qt::WindowStaysOnTopHint); }

    // Starts with a temporary folder that exists, so that OK says nothing about it.
    void startWithExistingTemporaryFolder()
    {
        tmp = folder.path().string() + "/";
        writeIni("[Options]\ntemp=" + tmp + "\n");
        start();
        options().show();
    }
    std::string tmp;
};

TEST_F(OptionsTest, AFileWithOnlyTheSectionGivesEveryDefault)
{
    writeIni("[Options]\n");
    start();
    EXPECT_EQ(options().Edit1->text(), "");
    EXPECT_EQ(form().emulatorPath, "");
    EXPECT_EQ(options().Edit3->text().toStdString(), platform->program.string() + "/");
    EXPECT_EQ(form().outputFolder, platform->program.string() + "/");
    EXPECT_EQ(form().temporaryFolder, platform->temporary.string() + "/");
    EXPECT_EQ(options().Edit2->text().toStdString(), form().temporaryFolder);
    EXPECT_EQ(form().Edit2->text(), "KSZ-");
    EXPECT_EQ(form().Edit3->text(), "");
    EXPECT_EQ(form().pos(), QPoint(0, 0));
    EXPECT_EQ(form().size(), QSize(640, 480));
    for (QAction* action : {form().Truncate1, form().Removeintro1, form().ApplyExitHack1, form().All1})
        EXPECT_FALSE(action->isChecked()) << action->objectName().toStdString();
    EXPECT_TRUE(options().CheckBox1->isChecked());
    EXPECT_TRUE(options().CheckBox2->isChecked());
    EXPECT_TRUE(options().deleteUnpacked);
    for (QWidget* window : threeWindows())
        EXPECT_TRUE(onTop(window)) << window->objectName().toStdString();
}

TEST_F(OptionsTest, EachKeyIsReadByItsOwnRule)
{
    struct Case {
        const char* lines;
        bool truncate, removeIntro, exitHack, all;
        int width;
        bool alwaysOnTop, deleteUnpacked;
    };
    const Case cases[] = {
        {"t=0x1", true, false, false, false, 640, true, true},
        {"t=abc", false, false, false, false, 640, true, true},
        {"t=", false, false, false, false, 640, true, true},
        {"r=2\ne=-1", false, true, true, false, 640, true, true},
        {"t=1\na=1", true, false, false, true, 640, true, true},
        {"wwidth=abc", false, false, false, false, 640, true, true},
        {"wwidth=0x320", false, false, false, false, 800, true, true},
        {"aontop=true\ndeltmp=0", false, false, false, false, 640, false, false},
        {"aontop=01\ndeltmp=", false, false, false, false, 640, false, false},
        {"AONTOP=1\nDelTmp=1", false, false, false, false, 640, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines);
        writeIni(std::string("[Options]\n") + c.lines + "\n");
        start();
        EXPECT_EQ(form().Truncate1->isChecked(), c.truncate);
        EXPECT_EQ(form().Removeintro1->isChecked(), c.removeIntro);
        EXPECT_EQ(form().ApplyExitHack1->isChecked(), c.exitHack);
        EXPECT_EQ(form().All1->isChecked(), c.all);
        EXPECT_EQ(form().ToolButton10->isChecked(), c.truncate);
        EXPECT_EQ(form().width(), c.width);
        EXPECT_EQ(options().CheckBox1->isChecked(), c.alwaysOnTop);
        EXPECT_EQ(onTop(windows.form1), c.alwaysOnTop);
        EXPECT_EQ(options().deleteUnpacked, c.deleteUnpacked);
        destroyWindows(windows);
    }
}

TEST_F(OptionsTest, StoredValuesReachTheirPlaces)
{
    writeIni("[Options]\nvbpath=/usr/bin/emu\noutdir=/out/\ntemp=/scratch/\nprefix=P-\nsuffix=-S\n"
             "wleft=10\nwtop=20\nwwidth=700\nwheight=500\n");
    start();
    EXPECT_EQ(options().Edit1->text(), "/usr/bin/emu");
    EXPECT_EQ(form().emulatorPath, "/usr/bin/emu");
    EXPECT_EQ(form().outputFolder, "/out/");
    EXPECT_EQ(form().temporaryFolder, "/scratch/");
    EXPECT_EQ(options().Edit2->text(), "/scratch/");
    EXPECT_EQ(form().Edit2->text(), "P-");
    EXPECT_EQ(form().Edit3->text(), "-S");
    EXPECT_EQ(form().geometry().size(), QSize(700, 500));
    EXPECT_EQ(form().pos(), QPoint(10, 20));
}

TEST_F(OptionsTest, MissingSettingsFileEndsTheProgram)
{
    std::filesystem::remove(ini());
    dialogs->expect(Kind::Message);
    start();
    EXPECT_EQ(dialogs->shown().back().text, "options.ini file not found in the Kestrom path.");
    EXPECT_TRUE(terminationRequested());
    EXPECT_EQ(form().outputFolder, "");
    EXPECT_EQ(form().Edit2->text(), "Kst-");
}

TEST_F(OptionsTest, UnusableSettingsFileEndsTheProgramWithItsReason)
{
    struct Case {
        bool fifo;
        const char* reason;
    };
    const Case cases[] = {{true, "Not a regular file."}, {false, "The file is larger than 1 MiB."}};
    for (const Case& c : cases) {
        std::filesystem::remove(ini());
        if (c.fifo)
            ASSERT_EQ(::mkfifo(ini().c_str(), 0644), 0);
        else
            writeIni("[Options]\n" + std::string(1 << 20, ';'));
        clearTerminationRequest();
        dialogs->expect(Kind::Error);
        start();  // would wait for a writer for good if the FIFO were opened for reading
        EXPECT_EQ(dialogs->shown().back().text, QString::fromStdString(ini().string()) + "\nThe settings cannot be read: " + c.reason);
        EXPECT_TRUE(terminationRequested());
        EXPECT_EQ(form().Edit2->text(), "Kst-");  // nothing was loaded
        destroyWindows(windows);
    }
}

TEST_F(OptionsTest, OkTrimsTheBoxesAndEndsTheFoldersWithTheSeparator)
{
    startWithExistingTemporaryFolder();
    struct Case {
        const char* typed;
        const char* kept;
    };
    const Case cases[] = {{"", "/"}, {"  /some/out  ", "/some/out/"}, {"\t/x/\n", "/x/"}, {"/été/", "/été/"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        options().show();
        options().Edit3->setText(QString::fromUtf8(c.typed));
        options().BitBtn2->click();
        EXPECT_EQ(stored("outdir"), c.kept);
        EXPECT_EQ(form().outputFolder, c.kept);
        EXPECT_FALSE(options().isVisible());
    }
    options().Edit1->setText(" \t/usr/bin/emu \n");
    options().BitBtn2->click();
    EXPECT_EQ(stored("vbpath"), "/usr/bin/emu");
    EXPECT_EQ(form().emulatorPath, "/usr/bin/emu");
}

TEST_F(OptionsTest, OkWritesItsKeysInOrderAndLeavesEverythingElseAlone)
{
    startWithExistingTemporaryFolder();
    writeIni("; kept\r\n[Options]\r\nprefix=KSZ-\r\nwwidth=800\r\n\r\n[Other]\r\nvbpath=other\r\n");
    options().Edit1->setText("/emu");
    options().CheckBox1->setChecked(false);
    options().Edit3->setText("/out");
    options().BitBtn2->click();
    EXPECT_EQ(readIni(), "; kept\r\n[Options]\r\nprefix=KSZ-\r\nwwidth=800\r\nvbpath=/emu\r\naontop=0\r\ndeltmp=1\r\n"
                         "outdir=/out/\r\ntemp=" + tmp + "\r\n\r\n[Other]\r\nvbpath=other\r\n");
    for (QWidget* window : threeWindows())
        EXPECT_FALSE(onTop(window));
}

TEST_F(OptionsTest, OkMakesTheTemporaryFolderOnceAndSaysSo)
{
    startWithExistingTemporaryFolder();
    const std::string made = (folder / "unpacked").string();
    options().Edit2->setText(QString::fromStdString(made));
    dialogs->expect(Kind::Message);
    options().BitBtn2->click();
    EXPECT_EQ(dialogs->shown().back().text.toStdString(), made + "/\nCreated directory.");
    EXPECT_TRUE(std::filesystem::is_directory(made));
    EXPECT_EQ(form().temporaryFolder, made + "/");

    dialogs->clearShown();
    options().show();
    options().BitBtn2->click();  // the folder is there now: nothing to say
    EXPECT_TRUE(dialogs->shown().empty());
    EXPECT_FALSE(options().isVisible());
}

TEST_F(OptionsTest, TemporaryFolderThatCannotBeMadeKeepsTheWindowOpen)
{
    startWithExistingTemporaryFolder();
    const std::string deep = (folder / "missing/deeper/").string();
    options().Edit2->setText(QString::fromStdString(deep));
    options().CheckBox1->setChecked(false);
    dialogs->expect(Kind::Message);
    options().BitBtn2->click();
    EXPECT_EQ(dialogs->shown().back().text, "Wrong output directory. Please change it.");
    EXPECT_TRUE(options().isVisible());
    EXPECT_EQ(stored("temp"), deep);       // written before the folder was tried
    EXPECT_TRUE(onTop(windows.form1));     // the style is left as it was
    EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
}

TEST_F(OptionsTest, RefusedWriteIsReportedAndKeepsTheWindowOpen)
{
    startWithExistingTemporaryFolder();
    const std::string before = readIni();
    makeReadOnly(ini());
    options().Edit1->setText("/emu");
    options().Edit2->setText(QString::fromStdString(tmp + "elsewhere/"));
    dialogs->expect(Kind::Error);
    options().BitBtn2->click();
    EXPECT_TRUE(dialogs->shown().back().text.contains(QString::fromStdString(ini().string())));
    EXPECT_TRUE(options().isVisible());
    EXPECT_EQ(readIni(), before);
    EXPECT_EQ(form().temporaryFolder, tmp);
}

TEST_F(OptionsTest, CancelOnlyHidesButAnOutputEditHasAlreadyReachedTheMainWindow)
{
    startWithExistingTemporaryFolder();
    const std::string before = readIni();
    options().Edit3->setText("/typed");
    options().Edit1->setText("/new/emu");
    options().CheckBox2->setChecked(false);
    options().BitBtn3->click();
    EXPECT_FALSE(options().isVisible());
    EXPECT_EQ(form().outputFolder, "/typed");
    EXPECT_EQ(form().emulatorPath, "");
    EXPECT_TRUE(options().deleteUnpacked);
    EXPECT_EQ(readIni(), before);
}

TEST_F(OptionsTest, EmulatorIsPickedInTheOpenFileDialog)
{
    startWithExistingTemporaryFolder();
    dialogs->expectOpenFile(QStringList{"/opt/emu/vba"});
    options().BitBtn1->click();
    EXPECT_EQ(options().Edit1->text(), "/opt/emu/vba");
    EXPECT_EQ(form().emulatorPath, "");  // only OK passes it on
    EXPECT_EQ(dialogs->lastOpenFile.filters, QStringList({"Programs (*)", "Win32 Executable (*.exe)"}));
    EXPECT_EQ(dialogs->lastOpenFile.patterns, QStringList({"*", "*.exe"}));
    EXPECT_EQ(dialogs->lastOpenFile.filterIndex, 0);

    dialogs->expectOpenFile(std::nullopt);
    options().BitBtn1->click();
    EXPECT_EQ(options().Edit1->text(), "/opt/emu/vba");
}

TEST_F(OptionsTest, StayOnTopKeepsAShownWindowOnScreen)
{
    startWithExistingTemporaryFolder();
    windows.form2->show();
    options().CheckBox1->setChecked(false);
    options().BitBtn2->click();
    EXPECT_FALSE(onTop(windows.form2));
    EXPECT_TRUE(windows.form2->isVisible());
}

}  // namespace
}  // namespace kst::test
