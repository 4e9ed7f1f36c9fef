#include "gui/app/application.h"
#include "gui/about/form4.h"
#include "gui/list/rom_list_view.h"
#include "gui/main_window/form1.h"
#include "gui/settings/form2.h"
#include "gui/settings/form3.h"
#include "gui/support/gui_fixture.h"
#include "settings/profile_file.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace kst::test {
namespace {

using StartupTest = GuiTest;

TEST_F(StartupTest, CreatesTheFourWindowsInOrderShowingNone)
{
    start();
    EXPECT_EQ(Form1, windows.form1);
    EXPECT_EQ(Form2, windows.form2);
    EXPECT_EQ(Form3, windows.form3);
    EXPECT_EQ(Form4, windows.form4);
    EXPECT_FALSE(terminationRequested());
    EXPECT_EQ(QApplication::applicationName(), "Kestrom");
    // No display name of its own, which the platform would add to each caption again.
    QApplication::setApplicationName("probe");
    EXPECT_EQ(QApplication::applicationDisplayName(), "probe");
    QApplication::setApplicationName("Kestrom");
    EXPECT_EQ(form().windowTitle(), "Kestrom - v" KESTROM_PROJECT_VERSION " Public");
    EXPECT_EQ(form().statusText(), "Kestrom - By Dravek");
    EXPECT_FALSE(windows.form2->isVisible());
    EXPECT_FALSE(windows.form3->isVisible());
    EXPECT_FALSE(windows.form4->isVisible());
}

TEST_F(StartupTest, StartsWithAnEmptyListAndItsCaptions)
{
    start();
    const RomGrid& grid = form().grid();
    EXPECT_EQ(grid.rowCount(), 2);
    EXPECT_TRUE(grid.isBlankRow(1));
    QStringList captions;
    for (int col = 0; col < ColumnCount; ++col)
        captions << QString::fromStdString(grid.cell(col, 0));
    EXPECT_EQ(captions, QStringList({"Go", "Name", "Size", "Dir", "New size", "Internal name", "Country", "Maker",
                                     "Input", "Save", "Verified"}));
    EXPECT_EQ(form().Liste1->model()->headerData(5, Qt::Horizontal, Qt::DisplayRole).toString(), "Internal name");
    EXPECT_TRUE(form().operationLog.empty());
    EXPECT_FALSE(form().dialogFreeAddMode);
    EXPECT_EQ(form().patchFilePath, (platform->program / "patch.wnt").string());
    EXPECT_TRUE(form().Timer1->isActive());
    EXPECT_EQ(form().Timer1->interval(), 100);
    EXPECT_TRUE(form().acceptDrops());
}

TEST_F(StartupTest, ControlsCarryTheirNamesAndTexts)
{
    start();
    auto text = [&](const char* name) { return form().findChild<QLabel*>(name)->text(); };
    EXPECT_EQ(form().findChild<QPushButton*>("BitBtn3")->text(), "Apply");
    EXPECT_EQ(form().findChild<QGroupBox*>("GroupBox1")->title(), "Output Files ");
    EXPECT_EQ(text("Label1"), "Prefix.");
    EXPECT_EQ(text("Label2"), "Suffix.");
    EXPECT_EQ(text("Label3"), "Sample:");
    EXPECT_EQ(form().findChild<QProgressBar*>("Bar1")->value(), 0);
    EXPECT_NE(form().findChild<RomListView*>("Liste1"), nullptr);
    EXPECT_EQ(form().Liste1->columnWidth(1), 136);
    EXPECT_EQ(form().Liste1->columnWidth(8), 204);
    EXPECT_FALSE(form().Liste1->showGrid());
    EXPECT_EQ(form().Liste1->editTriggers(), QAbstractItemView::NoEditTriggers);
    // The size columns show the largest size whole.
    form().show();
    for (int col : {ColSize, ColNewSize}) {
        form().grid().setCell(col, 1, "65536 KB");
        const QAbstractItemView* view = form().Liste1;  // where Qt's measure of a column is public
        EXPECT_GE(form().Liste1->columnWidth(col), view->sizeHintForColumn(col)) << col;
    }
}

TEST_F(StartupTest, MenusFollowTheCommandTables)
{
    start();
    QStringList titles;
    for (QAction* action : form().menuBar()->actions())
        titles << action->text();
    EXPECT_EQ(titles, QStringList({"File", "List", "Action", "Extra", "?"}));

    auto items = [](QMenu* menu) {
        QStringList captions;
        for (QAction* a : menu->actions())
            captions << (a->isSeparator() ? QStringLiteral("-") : a->text() + QLatin1Char('@') + a->shortcut().toString());
        return captions;
    };
    EXPECT_EQ(items(form().File1), QStringList({"Options...@Ctrl+O", "-", "Exit@Ctrl+X"}));
    EXPECT_EQ(items(form().Edit1), QStringList({"Add roms...@Ctrl+A", "Add folder...@Ctrl+Shift+A", "Remove selection@",
                                                "-", "Clear List@F10", "-", "Edit Name...@F2", "Edit Internal Name...@Shift+F2", "Lost size@Ctrl+S",
                                                "Total Lost Size@Ctrl+Alt+S", "-", "Verify with DAT file...@F7", "Names from DAT@"}));
    EXPECT_EQ(items(form().Action1), QStringList({"Truncate@Ctrl+1", "Remove Intro@Ctrl+2", "Apply ExitHack Patch@Ctrl+3",
                                                  "-", "All@Ctrl+4"}));
    EXPECT_EQ(items(form().Extra1), QStringList({"Remove ExitHack patch@"}));
    EXPECT_EQ(items(form().Help1), QStringList({"Warnings...@", "-", "How does it work...@", "Beta-testers...@",
                                                "About...@"}));
    EXPECT_EQ(items(form().PopupMenu1), QStringList({"Select/Unselect@", "Edit name...@", "Internal name...@", "-",
                                                     "Play@F5", "Remove@"}));
    for (QAction* check : {form().Truncate1, form().Removeintro1, form().ApplyExitHack1, form().All1, form().RemEH})
        EXPECT_TRUE(check->isCheckable()) << check->objectName().toStdString();
}

TEST_F(StartupTest, ToolbarButtonsInOrderWithTheirHints)
{
    start();
    form().show();
    QApplication::processEvents();
    struct Button {
        const char* name;
        const char* hint;
        bool check;
    };
    const Button buttons[] = {
        {"ToolButton1", "Exit", false},
        {"ToolButton2", "Options...", false},
        {"ToolButton4", "Add roms", false},
        {"ToolButton5", "Remove selection", false},
        {"ToolButton6", "Clear list", false},
        {"ToolButton7", "Edit output name", false},
        {"ToolButton21", "Edit the internal name in the header of the rom", false},
        {"ToolButton22", "Play input/output rom", false},
        {"ToolButton8", "Calculate lost size", false},
        {"ToolButton23", "Calculate total lost size", false},
        {"ToolButton10", "Truncate", true},
        {"ToolButton11", "Remove Intro", true},
        {"ToolButton12", "Apply ExitHack patch", true},
        {"ToolButton13", "All", true},
        {"ToolButton15", "Remove ExitHack patch", true},
        {"ToolButton17", "Warnings", false},
        {"ToolButton18", "How does it work", false},
        {"ToolButton19", "Beta-testers", false},
        {"ToolButton20", "About Kestrom", false},
    };
    int lastX = -1;
    for (const Button& b : buttons) {
        auto* button = form().findChild<QToolButton*>(b.name);
        ASSERT_NE(button, nullptr) << b.name;
        EXPECT_EQ(button->toolTip(), b.hint);
        EXPECT_EQ(button->isCheckable(), b.check) << b.name;
        EXPECT_FALSE(button->icon().isNull()) << b.name;
        EXPECT_GT(button->x(), lastX) << b.name;
        lastX = button->x();
    }
}

TEST_F(StartupTest, OptionsAndAboutAreShownWithoutBlocking)
{
    start();
    form().show();
    form().Options1Click();
    EXPECT_TRUE(windows.form3->isVisible());
    EXPECT_FALSE(windows.form3->isModal());
    form().About1Click();
    EXPECT_TRUE(windows.form4->isVisible());
    EXPECT_FALSE(windows.form4->isModal());
}

// The user's own patch in their data folder wins, and Options names the one in use.
TEST_F(StartupTest, OptionsNamesThePatchFileInUse)
{
    const std::filesystem::path own = platform->system / "patch.wnt", shipped = platform->program / "patch.wnt";
    const struct {
        bool ownExists, shippedExists;
        std::filesystem::path used;
        const char* after;
    } rows[] = {{true, true, own, ""}, {false, true, shipped, ""}, {false, false, shipped, " (missing)"}};
    const Bytes patch = readBytes(shipped);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.used.string());
        std::filesystem::remove(own);
        std::filesystem::remove(shipped);
        if (row.ownExists)
            writeBytes(own, patch);
        if (row.shippedExists)
            writeBytes(shipped, patch);
        start();
        EXPECT_EQ(form().patchFilePath, row.used.string());
        EXPECT_EQ(windows.form3->Edit4->text(), q(row.used) + row.after);
        EXPECT_EQ(windows.form3->Edit4->toolTip(),
                  q(row.used) + "\nA patch.wnt in " + q(platform->system) + " is taken before the one that comes with Kestrom.");
        destroyWindows(windows);
    }
}

// The unzip module in the system folder: copied there from the program folder
// when missing or different, and its absence ends the program.
TEST_F(StartupTest, UnzipModuleAlreadyInstalledIsNotCopied)
{
    writeBytes(platform->system / "unzdll.dll", readBytes(platform->program / "unzdll.dll"));
    start();
    EXPECT_EQ(platform->copies, 0);
    EXPECT_FALSE(terminationRequested());
}

TEST_F(StartupTest, UnzipModuleThatCannotBeReplacedEndsTheProgram)
{
    writeBytes(platform->system / "unzdll.dll", Bytes{1, 2, 3});
    platform->copyFails = true;
    dialogs->expect(ShownDialog::Kind::Message);
    start();
    EXPECT_EQ(dialogs->shown().back().text.toStdString(),
              (platform->system / "unzdll.dll").string() + "\nThe unzip module could not be replaced: Access is denied.");
    EXPECT_TRUE(terminationRequested());
    EXPECT_EQ(readBytes(platform->system / "unzdll.dll"), (Bytes{1, 2, 3}));
}

TEST_F(StartupTest, UnzipModuleBesideTheProgramIsCopied)
{
    start();
    EXPECT_EQ(platform->copies, 1);
    EXPECT_EQ(readBytes(platform->system / "unzdll.dll"), readBytes(platform->program / "unzdll.dll"));
    EXPECT_FALSE(terminationRequested());
    EXPECT_EQ(form().windowsFolder, platform->system.string());
}

TEST_F(StartupTest, UnzipModuleThatCannotBeCopiedEndsTheProgram)
{
    for (bool missingBesideProgram : {true, false}) {
        SCOPED_TRACE(missingBesideProgram ? "missing beside the program" : "system folder not writable");
        clearTerminationRequest();
        std::filesystem::remove(platform->system / "unzdll.dll");
        if (missingBesideProgram)
            std::filesystem::remove(platform->program / "unzdll.dll");
        else
            platform->copyFails = true;
        dialogs->expect(ShownDialog::Kind::Message);
        start();
        EXPECT_EQ(dialogs->shown().back().text, "The following DLL is missing:\nunzdll.dll");
        EXPECT_EQ(dialogs->shown().back().caption, "Kestrom");
        EXPECT_TRUE(terminationRequested());
        EXPECT_FALSE(std::filesystem::exists(platform->system / "unzdll.dll"));
        destroyWindows(windows);
        writeBytes(platform->program / "unzdll.dll", Bytes{1});
    }
}

// An installed program: its folder cannot be written and holds none of its
// files; those lie in the install's data and module folders.
class InstalledStartTest : public GuiTest {
protected:
    InstalledStartTest()
    {
        for (const char* name : {"options.ini", "patch.wnt", "unzdll.dll"})
            std::filesystem::remove(platform->program / name);
        platform->programWritable = false;
        writeBytes(platform->data / "options.ini", Bytes(shipped.begin(), shipped.end()));
        writeBytes(platform->data / "patch.wnt", Bytes{0x08, 0x40});
        writeBytes(platform->modules / "unzdll.dll", Bytes{0x7F, 'E', 'L', 'F', 2});
    }

    const std::string shipped = "; shipped\n[Options]\nprefix=INST-\naontop=0\n";
};

TEST_F(InstalledStartTest, SettingsLiveInTheUserFolderAndTheFilesComeFromTheInstall)
{
    start();
    EXPECT_FALSE(terminationRequested());
    const std::filesystem::path settings = platform->config / "options.ini";
    EXPECT_EQ(readBytes(settings), Bytes(shipped.begin(), shipped.end()));
    EXPECT_EQ(form().Edit2->text(), "INST-");
    EXPECT_EQ(windows.form3->Edit3->text().toStdString(), (platform->home / "Kestrom").string() + "/");
    EXPECT_EQ(form().outputFolder, (platform->home / "Kestrom").string() + "/");
    EXPECT_EQ(form().patchFilePath, (platform->data / "patch.wnt").string());
    EXPECT_EQ(readBytes(platform->system / "unzdll.dll"), readBytes(platform->modules / "unzdll.dll"));

    // Both writers of the settings reach the user's copy, never the shipped one.
    std::filesystem::create_directories(platform->temporary / "kestrom");
    windows.form3->CheckBox1->setChecked(true);
    windows.form3->BitBtn2Click();
    form().Edit2->setText("MINE-");
    form().close();
    ProfileFile stored(settings);
    EXPECT_EQ(stored.readString("Options", "prefix", ""), "MINE-");
    EXPECT_EQ(stored.readString("Options", "aontop", ""), "1");
    EXPECT_EQ(stored.readString("Options", "wwidth", ""), std::to_string(form().width()));
    EXPECT_EQ(readBytes(platform->data / "options.ini"), Bytes(shipped.begin(), shipped.end()));
    EXPECT_FALSE(std::filesystem::exists(platform->program / "options.ini"));
}

TEST_F(InstalledStartTest, SettingsThatCannotBeMadeEndTheProgram)
{
    writeBytes(platform->config.parent_path(), Bytes{'x'});  // a file where the folder goes
    dialogs->expect(ShownDialog::Kind::Error);
    start();
    EXPECT_TRUE(terminationRequested());
    EXPECT_TRUE(dialogs->shown().back().text.startsWith(QString::fromStdString((platform->config / "options.ini").string())));
    EXPECT_TRUE(dialogs->shown().back().text.contains("could not be made from " +
                                                      QString::fromStdString((platform->data / "options.ini").string())));
}

}  // namespace
}  // namespace kst::test
