// Files from outside the program: folders (dropped, picked or named on the
// command line) and the command line's files.

#include "gui/main_window/command_line.h"
#include "gui/main_window/form1.h"
#include "gui/support/gui_fixture.h"
#include "romlist/rom_grid.h"
#include "support/zip_writer.h"

#include <QCoreApplication>
#include <QDir>
#include <QTimer>

namespace kst::test {
namespace {

namespace fs = std::filesystem;
using Kind = ShownDialog::Kind;

using UserFilesTest = StartedGuiTest;

TEST_F(UserFilesTest, FoldersAddTheirImagesInNameOrderAndListWhatWasLeftOutOnce)
{
    // A picked folder of only images: rows and nothing else shown.
    add({q(image("first.gba"))});
    form().grid().setCell(ColNewSize, 1, "1 KB");
    image("clean/x.gba");
    image("clean/deep/er/y.gba");
    dialogs->clearShown();
    dialogs->expectOpenFolder(q(folder / "clean"));
    form().AddFolder1Click();
    EXPECT_EQ(names(), QStringList({"first", "y", "x"}));  // "deep" sorts before "x.gba"
    EXPECT_EQ(dialogs->shown().size(), 1u);                 // the folder dialog alone
    EXPECT_EQ(cell(ColNewSize, 1), "");                     // as after Add roms
    dialogs->expectOpenFolder(std::nullopt);
    form().AddFolder1Click();
    EXPECT_EQ(form().grid().rowCount(), 4);

    // A dropped folder with a link back to itself, a short image and a text file.
    const fs::path top = folder / "top";
    image("top/b.gba");
    image("top/A.GBA");
    image("top/sub/c.gba");
    image("top/sub/short.gba", 100);
    writeBytes(top / "sub/readme.txt", Bytes(10, 'x'));
    writeBytes(top / "a_broken.zip", Bytes(100, 'z'));  // archives that give no rows go to the list below
    writeBytes(top / "sub/none.zip", zipArchive({deflatedEntry("readme.txt", Bytes(10, 'r'))}));
    fs::create_directory_symlink(top, top / "sub/loop");
    form().UnselectAll1Click();
    dialogs->clearShown();
    dialogs->expect(Kind::Message);
    form().WMDropFiles({q(top), q(image("after.gba"))});

    EXPECT_EQ(names(), QStringList({"A", "b", "c", "after"}));
    ASSERT_EQ(dialogs->shown().size(), 1u);
    const QString text = dialogs->shown()[0].text;
    EXPECT_TRUE(text.startsWith("These were not added:\n" + q(top / "sub/loop") + ": a link to a folder, not followed\n" +
                                q(top / "sub/readme.txt") + ": neither a .gba image nor a .zip archive\n" +
                                q(top / "a_broken.zip") + ": the archive cannot be imported: \"" +
                                q(top / "a_broken.zip") + "\" is not a valid Zip file.\n" + q(top / "sub/none.zip") +
                                ": the archive cannot be imported: No gba images found in the " +
                                q(top / "sub/none.zip") + " Zip Archive.\n" + q(top / "sub/short.gba") +
                                ": the rom cannot be read: "))
        << text.toStdString();
    EXPECT_EQ(text.count('\n'), 5);
    EXPECT_TRUE(form().Timer1->isActive());
}

TEST_F(UserFilesTest, CommandLineFilesBecomeAbsolutePathsAddedAsADropOnceTheEventLoopRuns)
{
    const QString cwd = QDir::currentPath();
    struct Case {
        QString argument;
        QString path;  // empty: passed over
    };
    const Case cases[] = {
        {"roms/x.gba", cwd + "/roms/x.gba"},
        {"../up.gba", QDir::cleanPath(cwd + "/../up.gba")},
        {"/abs/y.gba", "/abs/y.gba"},
        {"/abs/./y//z.gba", "/abs/./y//z.gba"},  // an absolute path is kept as given
        {"file:///abs/with%20space.gba", "/abs/with space.gba"},
        {"--", ""},
        {"", ""},
    };
    for (const Case& c : cases) {
        const QStringList files = commandLineFiles({c.argument});
        EXPECT_EQ(files, c.path.isEmpty() ? QStringList() : QStringList{c.path}) << c.argument.toStdString();
    }

    image("cl/z.gba");
    const std::string broken = image("broken.gba", 10);
    const QStringList paths = commandLineFiles({q(folder / "cl"), q(broken), q(image("one.gba"))});
    addWhenStarted(form(), paths);
    EXPECT_TRUE(form().grid().isBlankRow(1));  // nothing before the event loop

    // The drop's read error names no file; the add command's would.
    dialogs->expect(Kind::Error);
    QCoreApplication::processEvents();
    EXPECT_EQ(names(), QStringList({"z", "one"}));
    ASSERT_EQ(dialogs->shown().size(), 1u);
    EXPECT_EQ(dialogs->shown()[0].text, "I/O Error. Check if the file you entered still exists.");
}

}  // namespace
}  // namespace kst::test
