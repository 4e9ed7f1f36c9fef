#include "gui/main_window/form1.h"
#include "gui/archive/progress_form.h"
#include "gui/settings/form3.h"
#include "gui/support/gui_fixture.h"
#include "support/synthetic_image.h"
#include "support/table_rows.h"
#include "support/zip_writer.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QTest>
#include <QTimer>

#include <functional>

namespace kst::test {
namespace {

using Kind = ShownDialog::Kind;
using kst::test::PrintTo;
namespace fs = std::filesystem;

ZipEntry rom(const std::string& name, const std::string& internalName = "GAME", std::size_t size = 0x400)
{
    return deflatedEntry(name, makeImage(size, internalName));
}

// Archives go through the main window's Zip1 and the real unzip module, which
// start-up copies into the system folder as it does for the program.
class ArchiveImportTest : public GuiTest {
protected:
    void SetUp() override
    {
        fs::copy_file(UNZDLL_MODULE_PATH, platform->program / "unzdll.dll", fs::copy_options::overwrite_existing);
        start();
        tmp = form().temporaryFolder;
    }

    std::string archive(const std::string& name, const std::vector<ZipEntry>& members)
    {
        fs::path path = folder / name;
        fs::create_directories(path.parent_path());
        writeBytes(path, zipArchive(members));
        return path.string();
    }
    bool progressShown()
    {
        auto* window = form().findChild<TProgressForm*>();
        return window && window->isVisible();
    }
    // Every regular file under the temporary folder, relative to it.
    QStringList unpacked()
    {
        QStringList files;
        for (const auto& entry : fs::recursive_directory_iterator(tmp))
            if (entry.is_regular_file())
                files << q(fs::relative(entry.path(), tmp));
        files.sort();
        return files;
    }

    // A second main window on the same folders, as a second running program has.
    TForm1& secondWindow()
    {
        second = std::make_unique<TForm1>();
        second->temporaryFolder = tmp;
        Form1 = &form();  // the other windows still belong to the first
        return *second;
    }

    std::string tmp;
    std::unique_ptr<TForm1> second;
};

// One add of two archives and an image: the progress window follows each
// member, and each unpacked copy becomes a row.
TEST_F(ArchiveImportTest, ImageMembersBecomeRowsOfTheirUnpackedCopies)
{
    form().setGeometry(40, 30, 600, 500);
    std::string a = archive("games.zip", {rom("x.gba", "XGAME"), deflatedEntry("readme.txt", Bytes(300, 'r')),
                                          rom("y.GBA", "YGAME"), rom("sub/z.Gba", "ZGAME")});
    std::string b = archive("b.zip", {rom("b1.gba", "B1", 300000)});  // several progress reports
    QStringList seen;
    form().Zip1.OnZEDBeginFileEvent = [&](TZip&, const std::string& file, auto...) {
        auto* window = form().findChild<TProgressForm*>();
        ASSERT_TRUE(progressShown());
        if (seen.isEmpty())  // centred over the main window, not yet framed
            EXPECT_EQ(window->pos(), QPoint(40 + 150, 30 + 200));
        seen << q(file);
    };
    form().Zip1.OnZEDEndBatchEvent = [&](TZip&, auto...) {
        auto* window = form().findChild<TProgressForm*>();
        ASSERT_NE(window, nullptr);
        QTest::qWait(TProgressForm::RefreshMs * 2);  // the window catches up with the last reports
        EXPECT_EQ(window->StatusLabel->text(), seen.last());
        EXPECT_EQ(window->ProgressBar->value(), window->ProgressBar->maximum());
    };
    add({q(a), q(b), q(image("plain.gba"))}, {Kind::Message, Kind::Message});

    EXPECT_EQ(dialogs->texts().mid(1), QStringList({"3 gba images found in the " + q(a) + " Zip Archive.",
                                                     "1 gba images found in the " + q(b) + " Zip Archive."}));
    EXPECT_EQ(seen, QStringList({"x.gba", "y.GBA", "sub/z.Gba", "b1.gba"}));
    ASSERT_EQ(names(), QStringList({"x", "y", "z", "b1", "plain"}));
    const char* members[] = {"x.gba", "y.GBA", "sub/z.Gba"};
    const char* internal[] = {"XGAME", "YGAME", "ZGAME"};
    for (int row = 1; row <= 3; ++row) {
        std::string input = tmp + members[row - 1];
        EXPECT_EQ(cell(ColInput, row), input);
        EXPECT_EQ(cell(ColDir, row), input.substr(0, input.rfind('/') + 1));
        EXPECT_EQ(cell(ColInternalName, row), internal[row - 1]);
        EXPECT_EQ(cell(ColSize, row), "1 KB");
        EXPECT_EQ(readBytes(input), makeImage(0x400, internal[row - 1]));
    }
    EXPECT_EQ(form().TempFiles, QStringList({q(tmp + "x.gba"), q(tmp + "y.GBA"), q(tmp + "sub/z.Gba"),
                                             q(tmp + "b1.gba")}));
    EXPECT_EQ(unpacked(), QStringList({"b1.gba", "sub/z.Gba", "x.gba", "y.GBA"}));  // readme.txt stays packed
    EXPECT_EQ(form().findChild<TProgressForm*>(), nullptr);  // gone with its extraction
    EXPECT_TRUE(form().Timer1->isActive());
}

// Archives that give no rows: the message, and the add or drop (or the
// command line, which drops its files) goes on with the next file.
struct Refusal {
    const char* label;
    // Sets the scene; returns the expected text.
    std::function<std::string(TForm1&, const fs::path& system, const std::string& zip)> prepare;
    std::vector<ZipEntry> members;
};

class ArchivesWithoutRows : public ArchiveImportTest, public testing::WithParamInterface<Refusal> {};

TEST_P(ArchivesWithoutRows, SayWhyAndGoOnWithTheNextFile)
{
    const Refusal& r = GetParam();
    for (AddOrigin origin : {AddOrigin::Picked, AddOrigin::Dropped}) {
        SCOPED_TRACE(origin == AddOrigin::Picked ? "add" : "drop");
        form().UnselectAll1Click();
        std::string zip = archive("in/" + std::string(r.label) + ".zip", r.members);
        std::string expected = r.prepare(form(), platform->system, zip);
        add({q(image("before.gba"))});
        form().grid().setCell(ColNewSize, 1, "7 KB");
        dialogs->clearShown();
        QStringList paths{q(zip), q(image("after.gba"))};
        if (origin == AddOrigin::Picked) {
            add(paths, {Kind::Message});
        } else {
            dialogs->expect(Kind::Message);
            form().WMDropFiles(paths);
        }
        ASSERT_FALSE(dialogs->shown().empty());
        EXPECT_EQ(dialogs->shown().back().kind, Kind::Message);
        EXPECT_EQ(dialogs->shown().back().text, q(expected));
        EXPECT_EQ(names(), QStringList({"before", "after"}));
        EXPECT_EQ(cell(ColNewSize, 1), origin == AddOrigin::Picked ? "" : "7 KB");  // the add ran to its end
        EXPECT_TRUE(form().TempFiles.isEmpty());
        EXPECT_TRUE(form().Timer1->isActive());
        EXPECT_TRUE(form().Zip1.FileSpecs.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Archives, ArchivesWithoutRows,
    testing::Values(
        Refusal{"no_images",
                [](TForm1&, const fs::path&, const std::string& zip) {
                    return "No gba images found in the " + zip + " Zip Archive.";
                },
                {deflatedEntry("readme.txt", Bytes(10, 'r')), deflatedEntry("game.gba.txt", Bytes(300, 1))}},
        Refusal{"damaged",
                [](TForm1&, const fs::path&, const std::string& zip) {
                    writeBytes(zip, Bytes(5000, 0x5A));
                    return "\"" + zip + "\"\nis not a valid Zip file.";
                },
                {}},
        Refusal{"no_module",
                [](TForm1&, const fs::path& system, const std::string&) {
                    writeBytes(system / "unzdll.dll", Bytes{0x7F, 'E', 'L', 'F'});
                    return std::string("Unable to load \"UnzDll.dll\".");
                },
                {rom("x.gba")}},
        Refusal{"no_temporary_folder",
                [](TForm1& f, const fs::path&, const std::string& zip) {
                    f.temporaryFolder = (fs::path(zip).parent_path() / "missing" / "tmp").string() + "/";
                    return f.temporaryFolder + "\nThe temporary folder cannot be created: No such file or directory";
                },
                {rom("x.gba")}}),
    byLabel);

TEST_F(ArchiveImportTest, AMemberThatCannotBeReadIsReportedAsItsPathReportsIt)
{
    ZipEntry unknownMethod = rom("odd.gba");
    unknownMethod.method = 6;  // imploded: no longer unpacked by anyone
    std::string zip = archive("mixed.zip", {rom("short.gba", "S", 100), unknownMethod, rom("good.gba")});
    add({q(zip)}, {Kind::Message, Kind::Error, Kind::Error});
    // The module's reason for leaving a member out, naming it.
    EXPECT_EQ(dialogs->shown().at(dialogs->shown().size() - 1).text,
              q(zip) + ":odd.gba\nnot unpacked: it is compressed by a method that cannot be unpacked");
    EXPECT_EQ(dialogs->shown().at(dialogs->shown().size() - 2).text,
              q(zip) + "\nI/O Error reading this rom. Check if the file is not in read-only mode and try again.");
    dialogs->expect(Kind::Message);  // unpacked again beside the listed copies: nothing to ask
    dialogs->expect(Kind::Error);
    dialogs->expect(Kind::Error);
    form().WMDropFiles({q(zip)});
    EXPECT_EQ(dialogs->shown().at(dialogs->shown().size() - 2).text,
              "I/O Error. Check if the file you entered still exists.");
    EXPECT_EQ(names(), QStringList({"good", "good"}));
    ASSERT_EQ(form().unpackFolders.size(), 1u);
    EXPECT_EQ(form().TempFiles, QStringList({q(tmp + "good.gba"), q(form().unpackFolders[0] + "good.gba")}));
}

// Deleting the unpacked files on close takes the member folders the imports
// made with them, never a folder that was there before.
TEST_F(ArchiveImportTest, ClosingRemovesTheMemberFoldersTheImportsMade)
{
    const fs::path kept = fs::path(tmp) / "kept", old = fs::path(tmp) / "old";
    fs::create_directories(kept);
    fs::create_directories(old);
    std::string zip = archive("deep.zip", {rom("games/europe/a.gba"), rom("games/japan/b.gba"), rom("kept/c.gba")});
    Form3->deleteUnpacked = true;
    add({q(zip)}, {Kind::Message});
    ASSERT_EQ(names(), QStringList({"a", "b", "c"}));
    form().close();
    EXPECT_FALSE(fs::exists(fs::path(tmp) / "games"));
    EXPECT_TRUE(fs::is_directory(kept) && fs::is_empty(kept));
    EXPECT_TRUE(fs::is_directory(old));
}

TEST_F(ArchiveImportTest, AMemberNameLeadingOutOfTheFolderListsNothingThere)
{
    fs::create_directories(tmp);
    fs::path outside = fs::path(tmp).parent_path().parent_path() / "outside.gba";
    writeBytes(outside, makeImage(0x400, "VICTIM"));
    fs::create_directories(folder / "elsewhere");
    writeBytes(folder / "elsewhere" / "x.gba", makeImage(0x400, "VICTIM"));
    fs::create_directory_symlink(folder / "elsewhere", fs::path(tmp) / "link");

    std::string zip = archive("hostile.zip", {rom("../outside.gba"), rom("link/x.gba"), rom("good.gba")});
    Form3->deleteUnpacked = true;
    add({q(zip)}, {Kind::Message, Kind::Error, Kind::Error});
    EXPECT_EQ(names(), QStringList({"good"}));
    EXPECT_EQ(form().TempFiles, QStringList({q(tmp + "good.gba")}));
    form().close();
    EXPECT_EQ(readBytes(outside), makeImage(0x400, "VICTIM"));
    EXPECT_EQ(readBytes(folder / "elsewhere" / "x.gba"), makeImage(0x400, "VICTIM"));
}

// Files left in the temporary folder that no row lists: each one is asked
// about, and the progress window steps aside for the question.
TEST_F(ArchiveImportTest, FilesLeftOverAreAskedAboutOneByOne)
{
    fs::create_directories(tmp);
    for (auto [name, internal] : {std::pair{"one.gba", "OLD1"}, {"two.gba", "OLD2"}, {"three.gba", "GAME"}})
        writeBytes(tmp + name, makeImage(0x400, internal));
    std::string zip = archive("again.zip", {rom("one.gba", "NEW1"), rom("two.gba", "NEW2"), rom("three.gba", "NEW3")});

    QList<bool> windowAtBegin, windowDuringPrompt;
    std::optional<bool> windowAfterCancel;
    form().Zip1.OnZEDBeginFileEvent = [&](TZip&, auto...) { windowAtBegin << progressShown(); };
    dialogs->onShown = [&](const ShownDialog& shown) {
        if (shown.kind != Kind::Question)
            return;
        windowDuringPrompt << progressShown();
        // Seen at the next callback, after the answer.
        if (windowDuringPrompt.size() == 3)
            QTimer::singleShot(0, &form(), [&] { windowAfterCancel = progressShown(); });
    };
    dialogs->clearShown();
    dialogs->expectOpenFile(QStringList{q(zip)});
    dialogs->expectQuestion(QMessageBox::Yes);
    dialogs->expectQuestion(QMessageBox::No);
    dialogs->expectQuestion(QMessageBox::Cancel);
    dialogs->expect(Kind::Message);
    form().Addrom1Click();
    dialogs->onShown = nullptr;

    EXPECT_TRUE(dialogs->shown()[1].text.startsWith("\"one.gba\" is "));
    EXPECT_EQ(windowDuringPrompt, QList<bool>({false, false, false}));
    EXPECT_FALSE(windowAtBegin.isEmpty());
    EXPECT_EQ(windowAtBegin.count(false), 0);  // shown again after Yes and No
    EXPECT_EQ(windowAfterCancel, std::optional<bool>(false));
    EXPECT_EQ(dialogs->texts().last(), "The extraction of the " + q(zip) + " Zip Archive was cancelled.");
    EXPECT_EQ(readBytes(tmp + "one.gba"), makeImage(0x400, "NEW1"));
    EXPECT_EQ(readBytes(tmp + "two.gba"), makeImage(0x400, "OLD2"));
    EXPECT_EQ(readBytes(tmp + "three.gba"), makeImage(0x400, "GAME"));
    EXPECT_EQ(names(), QStringList({"one", "two", "three"}));
    EXPECT_EQ(unpacked(), QStringList({"one.gba", "three.gba", "two.gba"}));  // no half-written file
}

// Every row shows its own member's data: game.gba of sameB.zip ("BRAVO")
// never goes over a game.gba that a row lists, in this window or in a second
// one (which stands for another running program: each holds its own claim).
// A file that nobody lists is asked about (FilesLeftOverAreAskedAboutOneByOne).
struct Holder {
    const char* label;
    // Sets the scene; returns the paths added before sameB.zip in the same add.
    std::function<QStringList(class HeldFiles&)> prepare;
    int messagesBefore;  // shown for those paths
};

class HeldFiles : public ArchiveImportTest, public testing::WithParamInterface<Holder> {
public:
    using ArchiveImportTest::archive;
    using ArchiveImportTest::secondWindow;
    using ArchiveImportTest::tmp;
    using GuiTest::dialogs;
};

TEST_P(HeldFiles, AreNeverUnpackedOver)
{
    const Holder& h = GetParam();
    QStringList paths = h.prepare(*this) << q(archive("sameB.zip", {rom("game.gba", "BRAVO")}));
    dialogs->expectOpenFile(paths);
    for (int i = 0; i <= h.messagesBefore; ++i)
        dialogs->expect(Kind::Message);
    form().Addrom1Click();

    const int last = form().grid().rowCount() - 1;
    EXPECT_EQ(cell(ColInternalName, last), "BRAVO");
    for (int row = 1; row <= last; ++row)  // each row's file holds what the row shows
        EXPECT_EQ(readBytes(cell(ColInput, row)), makeImage(0x400, cell(ColInternalName, row))) << row;
    ASSERT_EQ(form().unpackFolders.size(), 1u);
    EXPECT_EQ(cell(ColInput, last), form().unpackFolders[0] + "game.gba");
    EXPECT_EQ(readBytes(tmp + "game.gba"), makeImage(0x400, "ALPHA"));
}

INSTANTIATE_TEST_SUITE_P(
    Holders, HeldFiles,
    testing::Values(
        Holder{"AnEarlierArchiveOfTheAdd",
               [](HeldFiles& t) { return QStringList{q(t.archive("sameA.zip", {rom("game.gba", "ALPHA")}))}; }, 1},
        Holder{"AnImageRow",
               [](HeldFiles& t) {
                   fs::create_directories(t.tmp);
                   writeBytes(t.tmp + "game.gba", makeImage(0x400, "ALPHA"));
                   return QStringList{q(t.tmp + "game.gba")};
               },
               0},
        Holder{"ASecondWindow",
               [](HeldFiles& t) {
                   t.dialogs->expect(Kind::Message);
                   t.secondWindow().WMDropFiles({q(t.archive("sameA.zip", {rom("game.gba", "ALPHA")}))});
                   return QStringList{};
               },
               0}),
    byLabel);

TEST_F(ArchiveImportTest, EquivalentMemberNamesAreUnpackedOnceAndTheOthersNamedAndLeftOut)
{
    std::string zip = archive("twins.zip", {rom("x.gba", "FIRST"), rom("./x.gba", "DOT"), rom("a/x.gba", "A"),
                                            rom("a//x.gba", "SLASHES"), rom("a\\x.gba", "BACKSLASH"),
                                            rom("x.gba", "AGAIN"), rom("y.gba", "Y")});
    add({q(zip)}, {Kind::Message, Kind::Message, Kind::Message, Kind::Message, Kind::Message});
    const QString leftOut = " names the same file as an earlier member of this archive and was left out.";
    EXPECT_EQ(dialogs->texts().mid(1), QStringList({q(zip) + "\n./x.gba" + leftOut, q(zip) + "\na//x.gba" + leftOut,
                                                     q(zip) + "\na/x.gba" + leftOut, q(zip) + "\nx.gba" + leftOut,
                                                     "3 gba images found in the " + q(zip) + " Zip Archive."}));
    EXPECT_EQ(names(), QStringList({"x", "x", "y"}));
    for (int row = 1; row <= 3; ++row)
        EXPECT_EQ(readBytes(cell(ColInput, row)), makeImage(0x400, cell(ColInternalName, row))) << row;
    EXPECT_EQ(cell(ColInternalName, 2), "A");
}

// Two programs on one temporary folder (here two windows, each with its own
// claim): a close deletes only what no other one lists.
TEST_F(ArchiveImportTest, ClosingLeavesFilesThatAnotherWindowLists)
{
    Form3->deleteUnpacked = true;
    std::string zip = archive("sameA.zip", {rom("game.gba", "ALPHA"), rom("sub/only.gba", "ONLY")});
    add({q(zip)}, {Kind::Message});
    TForm1& other = secondWindow();
    dialogs->expect(Kind::Message);
    other.WMDropFiles({q(tmp + "game.gba"), q(zip)});  // lists the first one's file; its own import goes beside it
    ASSERT_EQ(other.unpackFolders.size(), 1u);
    const std::string beside = other.unpackFolders[0];

    form().close();
    EXPECT_EQ(unpacked(), QStringList({"game.gba", q(fs::relative(beside, tmp) / "game.gba"),
                                       q(fs::relative(beside, tmp) / "sub/only.gba")}));
    other.close();
    EXPECT_EQ(unpacked(), QStringList({"game.gba"}));
    EXPECT_FALSE(fs::exists(beside));  // emptied, so gone
}

// What the user can click while an extraction lets events through.
struct Command {
    const char* label;
    std::function<void(TForm1&, const QString& other)> run;
    bool refused;
    QStringList namesAfter;
};

class DuringAnExtraction : public ArchiveImportTest, public testing::WithParamInterface<Command> {};

TEST_P(DuringAnExtraction, CommandsNeverStartASecondImport)
{
    const Command& c = GetParam();
    add({q(image("old.gba"))});
    form().grid().setCell(ColGo, 1, "@");
    form().Truncate1Click();
    form().outputFolder = (folder / "out").string() + "/";
    std::string other = archive("other.zip", {rom("intruder.gba")});
    std::string zip = archive("games.zip", {rom("g1.gba"), rom("g2.gba")});

    // Posted now, handled at the extraction's first callback.
    QTimer::singleShot(0, &form(), [&] { c.run(form(), q(other)); });
    dialogs->clearShown();
    if (c.refused)
        add({q(zip)}, {Kind::Message, Kind::Message});
    else
        add({q(zip)}, {Kind::Message});

    QStringList texts = dialogs->texts();
    if (c.refused) {
        EXPECT_EQ(texts.value(1), "The archive is being extracted; wait until that has finished.");
    }
    EXPECT_EQ(texts.last(), "2 gba images found in the " + q(zip) + " Zip Archive.");
    EXPECT_EQ(names(), c.namesAfter);
    EXPECT_FALSE(fs::exists(folder / "out"));  // Apply wrote nothing
    EXPECT_FALSE(fs::exists(tmp + "intruder.gba"));
    EXPECT_TRUE(form().Timer1->isActive());
    EXPECT_FALSE(form().addRunning());
}

INSTANTIATE_TEST_SUITE_P(
    Commands, DuringAnExtraction,
    testing::Values(
        Command{"Add", [](TForm1& f, const QString&) { f.Addrom1Click(); }, true, {"old", "g1", "g2"}},
        Command{"DialogFreeAdd",
                [](TForm1& f, const QString& other) {
                    f.OpenDialog1.fileName = other;
                    f.dialogFreeAddMode = true;
                    f.Addrom1Click();
                    EXPECT_FALSE(f.dialogFreeAddMode);
                },
                true, {"old", "g1", "g2"}},
        Command{"Drop", [](TForm1& f, const QString& other) { f.WMDropFiles({other}); }, true, {"old", "g1", "g2"}},
        Command{"Apply", [](TForm1& f, const QString&) { f.BitBtn1Click(); }, true, {"old", "g1", "g2"}},
        // Refused before it asks for the name: the image stays as it was.
        Command{"EditInternalName",
                [](TForm1& f, const QString&) {
                    f.selectRows(1, 1);
                    f.EditInternalname1Click();
                },
                true, {"old", "g1", "g2"}},
        Command{"ClearList", [](TForm1& f, const QString&) { f.UnselectAll1Click(); }, false, {"g1", "g2"}},
        Command{"RemoveSelection",
                [](TForm1& f, const QString&) {
                    f.selectRows(1, 1);
                    f.Removeselection1Click();
                },
                false, {"g1", "g2"}}),
    byLabel);

// Escape in the progress window cancels: the members unpacked before become
// rows, and one message says so, with no word about the others.
TEST_F(ArchiveImportTest, EscapeCancelsTheExtractionAndAddsWhatWasUnpacked)
{
    const std::size_t size = 300000;  // several progress reports each
    std::string zip =
        archive("games.zip", {rom("g1.gba", "G1", size), rom("g2.gba", "G2", size), rom("g3.gba", "G3", size)});
    form().Zip1.OnZEDBeginFileEvent = [&](TZip&, const std::string& file, auto...) {
        if (file == "g2.gba")
            QTimer::singleShot(0, &form(), [&] { QTest::keyClick(form().findChild<TProgressForm*>(), Qt::Key_Escape); });
    };
    add({q(zip)}, {Kind::Message});
    EXPECT_EQ(dialogs->texts().mid(1), QStringList({"The extraction of the " + q(zip) + " Zip Archive was cancelled."}));
    EXPECT_EQ(names(), QStringList({"g1"}));
    EXPECT_EQ(form().TempFiles, QStringList({q(tmp + "g1.gba")}));
    EXPECT_EQ(unpacked(), QStringList({"g1.gba"}));
}

TEST_F(ArchiveImportTest, ClosingDuringAnExtractionCancelsItAndClosesAfterwards)
{
    form().show();
    Form3->deleteUnpacked = false;
    const std::size_t size = 300000;  // several progress reports each
    std::string zip =
        archive("games.zip", {rom("g1.gba", "G1", size), rom("g2.gba", "G2", size), rom("g3.gba", "G3", size)});
    // The user closes the window while the second member is being unpacked.
    form().Zip1.OnZEDBeginFileEvent = [&](TZip&, const std::string& file, auto...) {
        if (file == "g2.gba")
            QTimer::singleShot(0, &form(), [&] { form().Exit1Click(); });
    };
    add({q(zip), q(image("later.gba"))});  // no report of the cancelled extraction, no rows, later.gba not handled

    EXPECT_TRUE(form().isVisible());  // the add unwinds first
    EXPECT_TRUE(form().closePending());
    EXPECT_TRUE(form().Zip1.cancelled());
    EXPECT_TRUE(form().grid().isBlankRow(1));
    // What was unpacked is left to the close's clean-up.
    EXPECT_EQ(form().TempFiles, QStringList({q(tmp + "g1.gba"), q(tmp + "g2.gba"), q(tmp + "g3.gba")}));
    QCoreApplication::processEvents();
    EXPECT_FALSE(form().isVisible());

    // The member being written when the user left is not there half written.
    EXPECT_EQ(unpacked(), QStringList({"g1.gba"}));
    EXPECT_EQ(readBytes(tmp + "g1.gba"), makeImage(size, "G1"));
}

}  // namespace
}  // namespace kst::test
