// The main job in the main window: mark rows, choose actions, Apply, read the
// log and the lost sizes, and close.

#include "gui/list/rom_list_view.h"
#include "gui/main_window/form1.h"
#include "gui/settings/form3.h"
#include "gui/support/gui_fixture.h"
#include "settings/profile_file.h"
#include "support/synthetic_image.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>

namespace kst::test {
namespace {

using Kind = ShownDialog::Kind;

class UserRoadTest : public GuiTest {
protected:
    void SetUp() override
    {
        start();
        out = (folder / "out").string() + "/";
        form().outputFolder = out;
        form().Edit2->setText(QString());
    }

    // Adds images named name.gba of the given sizes, each padded with 0xFF after 3/4 of its size.
    void addRoms(const std::vector<std::string>& names, std::size_t size = 0x4000)
    {
        QStringList paths;
        for (const std::string& name : names) {
            Bytes bytes = makeImage(size, name);
            std::fill(bytes.begin() + static_cast<long>(size * 3 / 4), bytes.end(), 0xFF);
            std::filesystem::path path = folder / (name + ".gba");
            writeBytes(path, bytes);
            paths << QString::fromStdString(path.string());
        }
        add(paths);
    }
    std::string cell(int col, int row) { return form().grid().cell(col, row); }
    void mark(int row) { form().grid().setCell(ColGo, row, "@"); }
    void select(int top, int bottom) { form().selectRows(top, bottom); }

    std::string out;
};

TEST_F(UserRoadTest, ToggleOverAMixedRange)
{
    addRoms({"a", "b", "c"});
    mark(2);
    select(1, 3);
    form().Liste1DblClick();
    EXPECT_EQ(cell(ColGo, 1), "@");
    EXPECT_EQ(cell(ColGo, 2), "");
    EXPECT_EQ(cell(ColGo, 3), "@");
    form().Liste1MouseDown(Qt::RightButton);  // only the middle button toggles
    EXPECT_EQ(cell(ColGo, 1), "@");
    form().Liste1MouseDown(Qt::MiddleButton);
    EXPECT_EQ(cell(ColGo, 1), "");
}

TEST_F(UserRoadTest, DeleteKeyRemovesTheSelectedRows)
{
    addRoms({"a", "b", "c", "d"});
    mark(4);
    select(2, 3);
    form().Liste1KeyDown(DeleteKeyCode, Qt::NoModifier);
    ASSERT_EQ(form().grid().rowCount(), 3);
    EXPECT_EQ(cell(ColName, 2), "d");
    EXPECT_EQ(cell(ColGo, 2), "@");
    form().Liste1KeyDown(Qt::Key_A, Qt::NoModifier);
    EXPECT_EQ(form().grid().rowCount(), 3);
}

TEST_F(UserRoadTest, RemovingTheOnlyRomLeavesABlankList)
{
    addRoms({"only"});
    select(1, 1);
    form().Removeselection1Click();
    EXPECT_EQ(form().grid().rowCount(), 2);
    EXPECT_TRUE(form().grid().isBlankRow(1));
    form().Timer1Timer();
    EXPECT_EQ(form().statusText(), "{No Roms in List}");
    dialogs->expect(Kind::Message);
    form().Removeselection1Click();
    EXPECT_EQ(dialogs->shown().back().text, "The current selection is empty.");
}

TEST_F(UserRoadTest, EditNameTakesTheTextOrKeepsItOnCancel)
{
    addRoms({"game"});
    select(1, 1);
    dialogs->expectInput(std::nullopt);
    form().Editname1Click();
    EXPECT_EQ(cell(ColName, 1), "game");
    EXPECT_EQ(dialogs->lastInputInitial, "game");
    EXPECT_EQ(dialogs->shown().back().caption, "Edit name");
    EXPECT_EQ(dialogs->shown().back().text, "Enter new name of the rom");
    dialogs->expectInput(QStringLiteral("New Name"));
    form().Editname1Click();
    EXPECT_EQ(cell(ColName, 1), "New Name");
    EXPECT_EQ(cell(ColInput, 1), (folder / "game.gba").string());

    // A name no file can have is refused with the character named; any other is kept as typed.
    const std::pair<QString, const char*> rows[] = {  // typed, the character the error names (nullptr: taken)
        {QStringLiteral("a/b"), "\"/\""},
        {QStringLiteral("ab") + QChar(0) + QStringLiteral("c"), "\"NUL\""},
        {QStringLiteral("a\\b: *?<>|\"é"), nullptr},
    };
    for (const auto& [typed, named] : rows) {
        dialogs->expectInput(typed);
        if (named)
            dialogs->expect(Kind::Error);  // another dialog, or none, fails the test
        form().Editname1Click();
        EXPECT_TRUE(!named || dialogs->shown().back().text.contains(QLatin1String(named)))
            << dialogs->shown().back().text.toStdString();
        EXPECT_EQ(QString::fromStdString(cell(ColName, 1)), named ? QStringLiteral("New Name") : typed);
    }
}

TEST_F(UserRoadTest, TheGaugeIsRepaintedWhileApplyReads)
{
    // Paints of the gauge while Apply runs, counted before the log comes up.
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            paints += event->type() == QEvent::Paint;
            return false;
        }
    } counter;
    addRoms({"a", "b"}, 0x40000);
    mark(1);
    mark(2);
    form().show();
    QApplication::processEvents();
    form().Truncate1Click();
    form().Bar1->installEventFilter(&counter);
    int paintsBeforeLog = -1;
    dialogs->onShown = [&](const ShownDialog&) { paintsBeforeLog = counter.paints; };
    dialogs->expect(Kind::Information);
    form().BitBtn1Click();
    EXPECT_GE(paintsBeforeLog, 2);  // at least once per image, with no event loop running
}

TEST_F(UserRoadTest, PrefixAndSuffixShapeTheSample)
{
    form().Edit2->setText("A-");
    form().Edit3->setText("-B");
    EXPECT_EQ(form().Label4->text(), "A-romname-B.gba");
}

TEST_F(UserRoadTest, MenuMarksAndToolbarTwinsAgree)
{
    form().Truncate1Click();
    EXPECT_TRUE(form().Truncate1->isChecked());
    EXPECT_TRUE(form().ToolButton10->isChecked());
    form().ToolButton11->click();  // the button toggles itself, then its handler
    EXPECT_TRUE(form().Removeintro1->isChecked());
    EXPECT_TRUE(form().ToolButton11->isChecked());
    form().Removeintro1->trigger();
    EXPECT_FALSE(form().Removeintro1->isChecked());
    EXPECT_FALSE(form().ToolButton11->isChecked());
}

TEST_F(UserRoadTest, AllFlipsTheEnabledStateOfTheThreeItems)
{
    form().Truncate1Click();
    form().All1Click();
    EXPECT_TRUE(form().All1->isChecked());
    EXPECT_TRUE(form().ToolButton13->isChecked());
    for (QAction* item : {form().Truncate1, form().Removeintro1, form().ApplyExitHack1})
        EXPECT_FALSE(item->isEnabled());
    for (QToolButton* twin : {form().ToolButton10, form().ToolButton11, form().ToolButton12})
        EXPECT_FALSE(twin->isEnabled());
    EXPECT_TRUE(form().Truncate1->isChecked());  // marks stay
    form().All1Click();
    EXPECT_FALSE(form().All1->isChecked());
    EXPECT_TRUE(form().Truncate1->isEnabled());
    EXPECT_TRUE(form().ToolButton10->isEnabled());
}

// Restoring chosen actions leaves every mark, twin and enabled state as the
// clicks on them would from the start-up state, and reads back the same.
TEST_F(UserRoadTest, RestoredActionsAreWhatTheirClicksLeave)
{
    struct State {
        std::vector<bool> items;
        bool operator==(const State&) const = default;
    };
    auto state = [&] {
        State s;
        for (QAction* item : {form().Truncate1, form().Removeintro1, form().ApplyExitHack1, form().All1})
            s.items.insert(s.items.end(), {item->isChecked(), item->isEnabled()});
        for (QToolButton* twin : {form().ToolButton10, form().ToolButton11, form().ToolButton12, form().ToolButton13})
            s.items.insert(s.items.end(), {twin->isChecked(), twin->isEnabled()});
        return s;
    };
    const State startUp = state();
    for (int bits = 0; bits < 16; ++bits) {
        const ops::Actions actions{.all = (bits & 8) != 0,
                                   .removeIntro = (bits & 2) != 0,
                                   .truncate = (bits & 1) != 0,
                                   .applyExitHack = (bits & 4) != 0};
        SCOPED_TRACE(bits);
        form().restoreActions(actions);
        EXPECT_TRUE(form().chosenActions() == actions);
        const State restored = state();

        form().restoreActions({});
        EXPECT_TRUE(state() == startUp);
        if (actions.truncate)
            form().Truncate1Click();
        if (actions.removeIntro)
            form().Removeintro1Click();
        if (actions.applyExitHack)
            form().ApplyExitHack1Click();
        if (actions.all)
            form().All1Click();
        EXPECT_TRUE(state() == restored);
        form().restoreActions({});
    }
}

TEST_F(UserRoadTest, RemoveExitHackModeDisablesTheActionMenu)
{
    form().RemEHClick();
    EXPECT_FALSE(form().Action1->isEnabled());
    EXPECT_TRUE(form().ToolButton15->isChecked());
    for (QToolButton* twin : {form().ToolButton10, form().ToolButton11, form().ToolButton12, form().ToolButton13})
        EXPECT_FALSE(twin->isEnabled());
    form().RemEHClick();
    EXPECT_TRUE(form().Action1->isEnabled());
    EXPECT_FALSE(form().ToolButton15->isChecked());
}

TEST_F(UserRoadTest, DuplicateNamesBlockApplyEvenUnmarked)
{
    addRoms({"same", "other"});
    form().grid().setCell(ColName, 2, "same");
    form().Truncate1Click();
    dialogs->expect(Kind::Error);
    form().BitBtn1Click();
    EXPECT_EQ(dialogs->shown().back().text, "2 roms or more have the same output name. Please change it.");
    form().grid().setCell(ColName, 2, "SAME");  // letter case differs: accepted
    mark(1);
    dialogs->expect(Kind::Information);
    form().BitBtn1Click();
}

TEST_F(UserRoadTest, ApplyNeedsAnActionAndAMarkedRow)
{
    addRoms({"a"});
    dialogs->expect(Kind::Error);
    form().BitBtn1Click();
    EXPECT_EQ(dialogs->shown().back().text,
              "No action selected ! \nSelect an action clicking in an item on the 'Action' menu.");
    form().All1Click();
    dialogs->expect(Kind::Error);
    form().BitBtn1Click();
    EXPECT_EQ(dialogs->shown().back().text,
              "No roms have been selected. A selected rom has an '@' in its first column.");
    EXPECT_TRUE(std::filesystem::is_empty(out));
}

TEST_F(UserRoadTest, ApplyProcessesMarkedRowsThenShowsTheLogThenNewSize)
{
    addRoms({"a", "b", "c"}, 0x8000);
    mark(1);
    mark(3);
    form().Edit2->setText("K-");
    form().Truncate1Click();
    dialogs->expect(Kind::Information);
    dialogs->onShown = [&](const ShownDialog&) { EXPECT_EQ(cell(ColNewSize, 1), ""); };
    form().BitBtn1Click();
    dialogs->onShown = nullptr;
    std::string a = (folder / "a.gba").string(), c = (folder / "c.gba").string();
    EXPECT_EQ(dialogs->shown().back().text,
              QString::fromStdString("Operation log:\n\n" + a + " [Trimmed]\n" + c + " [Trimmed]"));
    EXPECT_TRUE(std::filesystem::exists(out + "K-a.gba"));
    EXPECT_FALSE(std::filesystem::exists(out + "K-b.gba"));
    EXPECT_EQ(std::filesystem::file_size(out + "K-c.gba"), 0x6000u + 1);
    EXPECT_EQ(cell(ColNewSize, 1), "24 KB");
    EXPECT_EQ(cell(ColNewSize, 2), "");
    EXPECT_EQ(form().Bar1->maximum(), 0x8000);
    EXPECT_EQ(form().Bar1->value(), 0x8000);
}

TEST_F(UserRoadTest, AllRunsTheThreeActionsWhateverTheMarks)
{
    addRoms({"a"});
    mark(1);
    form().All1Click();
    dialogs->expect(Kind::Information);
    form().BitBtn1Click();
    EXPECT_TRUE(dialogs->shown().back().text.endsWith(" [No intro removed] [Trimmed] [EH Applied]"));
}

TEST_F(UserRoadTest, FileErrorMidRunKeepsEarlierOutputsAndEndsTheRun)
{
    addRoms({"a", "b", "c"});
    for (int row = 1; row <= 3; ++row)
        mark(row);
    std::filesystem::remove(folder / "b.gba");
    form().Truncate1Click();
    dialogs->expect(Kind::Error);
    form().BitBtn1Click();
    EXPECT_EQ(dialogs->shown().back().text, "I/O Error. Check if the file you entered still exists.");
    EXPECT_EQ(dialogs->shown().size(), 2u);  // the open-file dialog, then the error: no log
    EXPECT_TRUE(std::filesystem::exists(out + "a.gba"));
    EXPECT_FALSE(std::filesystem::exists(out + "c.gba"));
    EXPECT_EQ(cell(ColNewSize, 1), "");
}

TEST_F(UserRoadTest, AnImageOverTheSizeLimitIsNamedWithTheLimit)
{
    addRoms({"a"});
    mark(1);
    const std::filesystem::path a = folder / "a.gba";
    std::filesystem::resize_file(a, (64u << 20) + 1);  // sparse
    form().Truncate1Click();
    dialogs->expect(Kind::Error);
    form().BitBtn1Click();
    EXPECT_EQ(dialogs->shown().back().text, QString::fromStdString(a.string() + ": The file is larger than 64 MiB."));
    EXPECT_FALSE(std::filesystem::exists(out + "a.gba"));
}

TEST_F(UserRoadTest, OutputGoneBeforeNewSizeEndsTheRunAfterTheLog)
{
    addRoms({"a", "b"});
    mark(1);
    mark(2);
    form().Truncate1Click();
    dialogs->expect(Kind::Information);
    dialogs->expect(Kind::Error);
    dialogs->onShown = [&](const ShownDialog& shown) {
        if (shown.kind == Kind::Information)
            std::filesystem::remove(out + "b.gba");
    };
    form().BitBtn1Click();
    dialogs->onShown = nullptr;
    EXPECT_EQ(dialogs->texts().last(), "I/O Error. Check if the file you entered still exists.");
    EXPECT_NE(cell(ColNewSize, 1), "");  // rows before the failing one keep their New size
    EXPECT_EQ(cell(ColNewSize, 2), "");
}

TEST_F(UserRoadTest, UncreatableOutputFolderStopsApply)
{
    addRoms({"a"});
    form().outputFolder = (folder / "missing/deeper/").string();
    dialogs->expect(Kind::Message);
    form().BitBtn1Click();
    EXPECT_EQ(dialogs->shown().back().text, "Wrong output directory. Please change it in the options menu.");
}

TEST_F(UserRoadTest, AnOutputThatWouldReplaceASourceWritesNothing)
{
    addRoms({"a", "a2"});
    mark(1);
    form().Truncate1Click();
    form().outputFolder = folder.path().string() + "/";
    const std::string a = (folder / "a.gba").string(), a2 = (folder / "a2.gba").string();
    const auto before = folderContents(folder.path());
    dialogs->expect(Kind::Error);
    form().BitBtn1Click();  // the source folder, no prefix: a onto itself
    EXPECT_EQ(dialogs->texts().last(), q("The output of the rom a,\n" + a + ",\nwould replace the source file\n" + a +
                                         "\nNothing has been written. Please change the output folder, the prefix "
                                         "or the suffix."));
    form().Edit3->setText("2");
    form().RemEHClick();
    dialogs->expect(Kind::Error);
    form().BitBtn1Click();  // chained names: a's output is a2.gba, the next row's source
    EXPECT_TRUE(dialogs->texts().last().contains(q(",\n" + a2 + ",\nwould replace the source file\n" + a2 + "\n")));
    EXPECT_EQ(folderContents(folder.path()), before);

    form().Edit3->setText("");
    form().outputFolder = out;  // where a2's output name is a link to a's
    std::filesystem::create_directory(out), std::filesystem::create_symlink("a.gba", out + "a2.gba");
    dialogs->expect(Kind::Error);
    form().BitBtn1Click();
    EXPECT_EQ(dialogs->texts().last(), q("The roms a and a2 would both be written to\n" + out +
                                         "a.gba\nNothing has been written. Please change one of their names."));
}

TEST_F(UserRoadTest, MissingPatchFileQuitsAfterTheRun)
{
    addRoms({"a", "b"});
    mark(1);
    mark(2);
    std::filesystem::remove(platform->program / "patch.wnt");
    form().show();
    form().ApplyExitHack1Click();
    dialogs->expect(Kind::Error);
    dialogs->expect(Kind::Error);
    dialogs->expect(Kind::Information);
    form().BitBtn1Click();
    EXPECT_EQ(dialogs->texts().at(1), "The file 'patch.wnt' is missing.");
    EXPECT_TRUE(dialogs->texts().last().endsWith("b.gba [Not patched]"));
    EXPECT_TRUE(std::filesystem::exists(out + "b.gba"));
    EXPECT_FALSE(form().isVisible());  // closed once the run was over
}

TEST_F(UserRoadTest, RemoveExitHackModeIgnoresMarksAndUsesTheEditedName)
{
    // Patched copies first, then the mode that takes the patch off again.
    addRoms({"a", "b"});
    mark(1);
    mark(2);
    form().ApplyExitHack1Click();
    form().outputFolder = (folder.path()).string() + "/";
    form().Edit2->setText("P-");
    dialogs->expect(Kind::Information);
    form().BitBtn1Click();
    form().UnselectAll1Click();

    std::string shout = (folder / "P-b.gba").string();
    std::filesystem::rename(shout, folder / "P-B.GBA");
    add({QString::fromStdString((folder / "P-a.gba").string()), QString::fromStdString((folder / "P-B.GBA").string())});
    form().grid().setCell(ColName, 1, "P-a");
    form().outputFolder = out;
    form().Edit2->setText("R-");
    form().RemEHClick();
    dialogs->expect(Kind::Information);
    form().BitBtn1Click();  // no marks needed, no log: one line of what was written
    EXPECT_EQ(dialogs->texts().last(), "2 of 2 images written without the ExitHack patch.");
    EXPECT_EQ(readBytes(out + "R-P-a.gba"), readBytes(folder / "a.gba"));
    EXPECT_EQ(readBytes(out + "R-P-B.gba"), readBytes(folder / "b.gba"));
}

TEST_F(UserRoadTest, RemoveExitHackModeReportsUnpatchedFilesAndGoesOn)
{
    addRoms({"plain", "other"});
    form().RemEHClick();
    dialogs->expect(Kind::Error);
    dialogs->expect(Kind::Error);
    dialogs->expect(Kind::Information);
    form().BitBtn1Click();
    const QString notPatched = "\nThis file is not patched.";
    EXPECT_EQ(dialogs->texts().mid(1), QStringList({q(folder / "plain.gba") + notPatched, q(folder / "other.gba") + notPatched,
                                                    "0 of 2 images written without the ExitHack patch."}));
}

TEST_F(UserRoadTest, LostSizes)
{
    addRoms({"a", "b", "c"});
    const char* rows[][2] = {{"4096 KB", "512 KB"}, {"100 KB", "110 KB"}, {"10 KB", ""}};
    for (int row = 1; row <= 3; ++row) {
        form().grid().setCell(ColSize, row, rows[row - 1][0]);
        form().grid().setCell(ColNewSize, row, rows[row - 1][1]);
    }
    select(1, 1);
    dialogs->expect(Kind::Message);
    form().SizeLost1Click();
    EXPECT_EQ(dialogs->shown().back().text, "3584  KB have been lost.");
    select(2, 2);
    dialogs->expect(Kind::Message);
    form().SizeLost1Click();
    EXPECT_EQ(dialogs->shown().back().text, "-10  KB have been lost.");
    dialogs->expect(Kind::Information);
    form().ToolButton23Click();
    EXPECT_EQ(dialogs->shown().back().text, "Total size lost: 3574  KB\nAverage: 1787  KB per rom.");

    form().grid().setCell(ColNewSize, 1, "4086 KB");  // +10 and -10
    dialogs->expect(Kind::Information);
    form().otalSizeLost1Click();
    EXPECT_EQ(dialogs->shown().back().text, "No size lost.");

    form().grid().setCell(ColNewSize, 1, "");
    form().grid().setCell(ColNewSize, 2, "");
    dialogs->expect(Kind::Message);
    form().otalSizeLost1Click();
    EXPECT_EQ(dialogs->shown().back().text, "No roms truncated.");

    form().grid().setCell(ColNewSize, 1, "big KB");
    select(1, 1);
    dialogs->expect(Kind::Error);
    form().SizeLost1Click();
    EXPECT_EQ(dialogs->shown().back().text, "'big' is not a valid integer value.");
}

TEST_F(UserRoadTest, TimerTickKeepsStatusAndCommandsUpToDate)
{
    form().Timer1Timer();
    EXPECT_EQ(form().statusText(), "{No Roms in List}");
    EXPECT_FALSE(form().BitBtn3->isEnabled());

    addRoms({"a", "b"});
    form().grid().setCell(ColNewSize, 2, "3 KB");
    form().grid().setCell(ColNewSize, 0, "");
    select(1, 1);
    form().Truncate1Click();
    form().Timer1Timer();
    EXPECT_EQ(form().statusText(), "[2 roms in list] [rom 1 selected] [Actions: T  ]");
    EXPECT_TRUE(form().BitBtn3->isEnabled());
    EXPECT_EQ(form().grid().cell(ColNewSize, 0), "New size");
    EXPECT_FALSE(form().SizeLost1->isEnabled());
    EXPECT_FALSE(form().ToolButton23->isEnabled());
    select(2, 2);
    form().Timer1Timer();
    EXPECT_TRUE(form().SizeLost1->isEnabled());
    EXPECT_TRUE(form().otalSizeLost1->isEnabled());
    EXPECT_TRUE(form().ToolButton8->isEnabled());

    // A last row whose Name was emptied loses its New size, then goes.
    form().grid().setCell(ColName, 2, "");
    form().Timer1Timer();
    EXPECT_EQ(form().grid().rowCount(), 2);
}

TEST_F(UserRoadTest, CloseDeletesOnlyListedFilesAndWritesTheTenKeys)
{
    std::filesystem::path unpacked = platform->temporary / "member.gba";
    std::filesystem::path other = platform->temporary / "keep.gba";
    writeBytes(unpacked, Bytes(10, 1));
    writeBytes(other, Bytes(10, 1));
    form().TempFiles << QString::fromStdString(unpacked.string()) << QString::fromStdString(unpacked.string())
                     << QString::fromStdString((platform->temporary / "gone.gba").string());
    std::string ini = "; kept\r\n[Options]\r\nvbpath=/usr/bin/emu\r\nprefix=old\r\n[Other]\r\nx=1\r\n";
    writeBytes(platform->program / "options.ini", Bytes(ini.begin(), ini.end()));
    form().Edit2->setText("P-");
    form().Edit3->setText("-S");
    form().Truncate1Click();
    form().All1Click();
    form().close();

    EXPECT_FALSE(std::filesystem::exists(unpacked));
    EXPECT_TRUE(std::filesystem::exists(other));
    ProfileFile settings(platform->program / "options.ini");
    auto value = [&](const char* key) { return settings.readString("Options", key, "missing"); };
    EXPECT_EQ(value("prefix"), "P-");
    EXPECT_EQ(value("suffix"), "-S");
    EXPECT_EQ(value("t"), "1");
    EXPECT_EQ(value("r"), "0");
    EXPECT_EQ(value("e"), "0");
    EXPECT_EQ(value("a"), "1");
    EXPECT_EQ(value("wwidth"), std::to_string(form().width()));
    EXPECT_EQ(value("vbpath"), "/usr/bin/emu");
    std::string text;
    for (std::uint8_t b : readBytes(platform->program / "options.ini"))
        text += static_cast<char>(b);
    EXPECT_EQ(text.rfind("; kept\r\n[Options]\r\nvbpath=/usr/bin/emu\r\nprefix=P-\r\n", 0), 0u);
    EXPECT_NE(text.find("[Other]\r\nx=1\r\n"), std::string::npos);
}

TEST_F(UserRoadTest, NothingIsDeletedWhenTheOptionIsOff)
{
    std::filesystem::path unpacked = platform->temporary / "member.gba";
    writeBytes(unpacked, Bytes(10, 1));
    form().TempFiles << QString::fromStdString(unpacked.string());
    Form3->deleteUnpacked = false;
    form().close();
    EXPECT_TRUE(std::filesystem::exists(unpacked));
}

// Closing and starting again brings back what the user left.
TEST_F(UserRoadTest, SettingsComeBackAtTheNextStart)
{
    form().Edit2->setText("P-");
    form().Edit3->setText("-S");
    form().move(30, 40);
    form().resize(700, 500);
    form().Truncate1Click();
    form().All1Click();
    form().close();
    destroyWindows(windows);

    start();
    EXPECT_EQ(form().Edit2->text(), "P-");
    EXPECT_EQ(form().Edit3->text(), "-S");
    EXPECT_EQ(form().Label4->text(), "P-romname-S.gba");
    EXPECT_EQ(form().pos(), QPoint(30, 40));
    EXPECT_EQ(form().size(), QSize(700, 500));
    EXPECT_TRUE(form().Truncate1->isChecked());
    EXPECT_TRUE(form().All1->isChecked());
    EXPECT_FALSE(form().Truncate1->isEnabled());
    EXPECT_FALSE(form().ToolButton10->isEnabled());
    EXPECT_TRUE(form().ToolButton10->isChecked());
}

TEST_F(UserRoadTest, ReadOnlySettingsDoNotTrapTheUserAtClose)
{
    form().show();
    makeReadOnly(platform->program / "options.ini");
    dialogs->expect(Kind::Error);
    form().close();
    EXPECT_FALSE(form().isVisible());
    EXPECT_TRUE(dialogs->shown().back().text.contains("options.ini"));
}

}  // namespace
}  // namespace kst::test
