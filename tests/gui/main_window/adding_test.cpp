#include "gui/main_window/form1.h"
#include "gui/list/rom_list_view.h"
#include "gui/main_window/save_scan.h"
#include "gui/support/gui_fixture.h"
#include "romlist/rom_grid.h"
#include "support/synthetic_image.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QProgressBar>
#include <QTimer>
#include <QUrl>

namespace kst::test {
namespace {

using Kind = ShownDialog::Kind;

class AddingTest : public GuiTest {
protected:
    void SetUp() override { start(); }
};

TEST_F(AddingTest, PickedImageFillsRowOne)
{
    std::string path = image("roms/Game.GBA", 4194304, "ZELDAISH");
    add({q(path)});
    EXPECT_EQ(form().grid().rowCount(), 2);
    EXPECT_EQ(cell(ColGo, 1), "");
    EXPECT_EQ(cell(ColName, 1), "Game");
    EXPECT_EQ(cell(ColSize, 1), "4096 KB");
    EXPECT_EQ(cell(ColDir, 1), (folder.path() / "roms").string() + "/");
    EXPECT_EQ(cell(ColNewSize, 1), "");
    EXPECT_EQ(cell(ColInternalName, 1), "ZELDAISH");
    EXPECT_EQ(cell(ColCountry, 1), "USA");
    EXPECT_EQ(cell(ColMaker, 1), "Nintendo");
    EXPECT_EQ(cell(ColInput, 1), path);
    EXPECT_TRUE(form().TempFiles.isEmpty());
    EXPECT_TRUE(form().Timer1->isActive());
}

TEST_F(AddingTest, TheDialogAsksForImagesAndArchives)
{
    add({q(image("a.gba"))});
    const OpenFileRequest& asked = dialogs->lastOpenFile;
    EXPECT_EQ(asked.title, "Select File...");
    EXPECT_EQ(asked.filters, QStringList({"Supported Files (*.zip;*.gba)", "GBA Images (*.gba)", "Zip Files (*.zip)"}));
    EXPECT_EQ(asked.filterIndex, 0);
    EXPECT_TRUE(asked.multiSelect);
}

TEST_F(AddingTest, HeaderReadNeedsOneHundredSeventyEightBytes)
{
    std::string ok = image("ok.gba", 178);
    std::string shortFile = image("short.gba", 177);
    add({q(shortFile), q(ok)}, {Kind::Error});
    EXPECT_EQ(dialogs->shown().back().text,
              q(shortFile) + "\nI/O Error reading this rom. Check if the file is not in read-only mode and try again.");
    EXPECT_EQ(form().grid().rowCount(), 2);
    EXPECT_EQ(cell(ColName, 1), "ok");
    EXPECT_EQ(cell(ColSize, 1), "0 KB");
}

TEST_F(AddingTest, EmptyTextsBecomeOneSpace)
{
    add({q(image(".gba", 0x400, "")), q(image("a.b.gba"))});
    EXPECT_EQ(cell(ColName, 1), " ");
    EXPECT_EQ(cell(ColInternalName, 1), " ");
    EXPECT_EQ(cell(ColName, 2), "a.b");
}

TEST_F(AddingTest, WrongExtensionInThePickedListStopsTheAdd)
{
    add({q(image("first.gba"))});
    form().grid().setCell(ColNewSize, 1, "1 KB");
    std::string text = (folder / "b.txt").string();
    writeBytes(text, Bytes(300, 1));
    add({q(image("a.gba")), q(text), q(image("c.gba"))}, {Kind::Message});
    EXPECT_EQ(dialogs->shown().back().text, q(text) + "\nFile extension does not match.");
    EXPECT_EQ(form().grid().rowCount(), 3);
    EXPECT_EQ(cell(ColName, 2), "a");
    EXPECT_EQ(cell(ColNewSize, 1), "1 KB");  // a stopped add keeps New size
    EXPECT_TRUE(form().Timer1->isActive());
}

TEST_F(AddingTest, ReadOnlyImageGivesTheReadError)
{
    std::string path = image("locked.gba");
    makeReadOnly(path);
    add({q(path)}, {Kind::Error});
    EXPECT_EQ(dialogs->shown().back().caption, "Error");
    EXPECT_TRUE(form().grid().isBlankRow(1));
}

TEST_F(AddingTest, CompletedAddEmptiesNewSizeEvenAfterAFailedFile)
{
    add({q(image("a.gba")), q(image("b.gba"))});
    form().grid().setCell(ColNewSize, 1, "1 KB");
    form().grid().setCell(ColNewSize, 2, "2 KB");
    add({q(image("short.gba", 100)), q(image("c.gba"))}, {Kind::Error});
    for (int row = 1; row < form().grid().rowCount(); ++row)
        EXPECT_EQ(cell(ColNewSize, row), "") << row;
    EXPECT_EQ(form().grid().rowCount(), 4);
}

TEST_F(AddingTest, TheSaveScanFindsEachRowByItsIdWhileTheListChanges)
{
    // Each image's bytes change between scans under the same name, so a result
    // that landed on a row by its index or its path would show the old type.
    const auto write = [&](const std::string& name, const std::string& library) {
        Bytes bytes = makeImage(0x800);
        std::copy(library.begin(), library.end(), bytes.begin() + 0x400);
        writeBytes(folder / name, bytes);
        return q((folder / name).string());
    };
    const QStringList paths{write("a.gba", "FLASH1M_V103"), write("b.gba", "EEPROM_V124"), write("c.gba", "SRAM_V113")};
    add(paths);
    EXPECT_EQ(form().grid().cell(ColSave, 1), "");  // nothing until its scan ends
    form().saveScan().waitForWorkers();             // the results are on their way
    form().UnselectAll1Click();
    EXPECT_FALSE(form().saveScan().running());
    EXPECT_EQ(form().Bar1->value(), 0);
    write("a.gba", "FLASH_V120");
    add(paths);
    form().saveScan().waitForWorkers();
    form().selectRows(1, 1);
    form().Liste1KeyDown(DeleteKeyCode, Qt::NoModifier);  // b and c move up
    write("b.gba", "SRAM_F_V100");
    add({paths[1]});
    EXPECT_EQ(cell(ColSave, 1), "EEPROM");
    EXPECT_EQ(cell(ColSave, 2), "SRAM 32 KB");
    EXPECT_EQ(cell(ColSave, 3), "SRAM 32 KB");
    EXPECT_EQ(form().grid().rowCount(), 4);
}

TEST_F(AddingTest, CancelChangesNothing)
{
    dialogs->expectOpenFile(std::nullopt);
    form().Addrom1Click();
    EXPECT_TRUE(form().grid().isBlankRow(1));
}

TEST_F(AddingTest, DialogFreeModeTakesTheFileNameAlreadySet)
{
    std::string path = image("again.gba");
    form().OpenDialog1.fileName = q(path);
    form().OpenDialog1.files = {q(image("other1.gba")), q(image("other2.gba"))};
    form().dialogFreeAddMode = true;
    form().Addrom1Click();  // no dialog expected
    EXPECT_FALSE(form().dialogFreeAddMode);
    EXPECT_EQ(cell(ColName, 1), "again");
    EXPECT_EQ(form().grid().rowCount(), 2);
}

TEST_F(AddingTest, SameFileTwiceGivesTwoRows)
{
    std::string path = image("twice.gba");
    add({q(path)});
    add({q(path)});
    EXPECT_EQ(form().grid().rowCount(), 3);
    EXPECT_EQ(cell(ColName, 1), cell(ColName, 2));
}

TEST_F(AddingTest, ArchiveGoesToTheArchiveImport)
{
    // Any letter case: the import reads it, finds no archive, says so and goes on.
    std::string zip = (folder / "games.ZIP").string();
    writeBytes(zip, Bytes(22, 0));
    add({q(zip), q(image("after.gba"))}, {Kind::Message});
    EXPECT_EQ(dialogs->shown().back().text, "\"" + q(zip) + "\"\nis not a valid Zip file.");
    EXPECT_EQ(names(), QStringList({"after"}));
}

class DropTest : public AddingTest {
protected:
    void drop(const QList<QUrl>& urls)
    {
        QMimeData data;
        data.setUrls(urls);
        form().WMDropFiles(droppedPaths(data));
    }
};

TEST_F(DropTest, DroppedImagesAddRowsInOrderAndKeepNewSize)
{
    add({q(image("first.gba"))});
    form().grid().setCell(ColNewSize, 1, "9 KB");
    drop({QUrl::fromLocalFile(q(image("x.gba"))), QUrl(QStringLiteral("https://example.invalid/y.gba")),
          QUrl::fromLocalFile(q(image("y.gba")))});
    ASSERT_EQ(form().grid().rowCount(), 4);
    EXPECT_EQ(cell(ColName, 2), "x");
    EXPECT_EQ(cell(ColName, 3), "y");
    EXPECT_EQ(cell(ColNewSize, 1), "9 KB");
    EXPECT_TRUE(form().Timer1->isActive());
}

TEST_F(DropTest, DropReadErrorNamesNoFileAndGoesOn)
{
    dialogs->expect(Kind::Error);
    drop({QUrl::fromLocalFile(q(image("bad.gba", 10))), QUrl::fromLocalFile(q(image("good.gba")))});
    ASSERT_EQ(dialogs->shown().size(), 1u);
    EXPECT_EQ(dialogs->shown().back().text, "I/O Error. Check if the file you entered still exists.");
    EXPECT_EQ(cell(ColName, 1), "good");
}

TEST_F(DropTest, WrongExtensionStopsTheDrop)
{
    dialogs->expect(Kind::Message);
    drop({QUrl::fromLocalFile(q((folder / "notes.txt").string())), QUrl::fromLocalFile(q(image("later.gba")))});
    ASSERT_EQ(dialogs->shown().size(), 1u);
    EXPECT_TRUE(dialogs->shown().back().text.endsWith("\nFile extension does not match."));
    EXPECT_TRUE(form().grid().isBlankRow(1));
}

TEST_F(DropTest, LongPathIsCutTo253Bytes)
{
    std::string longName = "/" + std::string(300, 'a') + ".gba";
    dialogs->expect(Kind::Message);
    drop({QUrl::fromLocalFile(q(longName))});
    ASSERT_EQ(dialogs->shown().size(), 1u);
    QString shown = dialogs->shown().back().text;
    EXPECT_EQ(shown.section('\n', 0, 0).toUtf8().size(), 253);
}

}  // namespace
}  // namespace kst::test
