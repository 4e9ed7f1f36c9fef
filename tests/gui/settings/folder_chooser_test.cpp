// The folder chooser: moving through folders, and OK and Cancel filling the
// Options window's folder boxes.

#include "gui/main_window/form1.h"
#include "gui/settings/form2.h"
#include "gui/settings/form3.h"
#include "gui/support/gui_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace kst::test {
namespace {

class FolderChooserTest : public GuiTest {
protected:
    void SetUp() override
    {
        std::filesystem::create_directories(folder / "start" / "roms" / "gba");
        start_ = std::filesystem::canonical(folder / "start");  // as the process sees it, links resolved
        std::filesystem::create_directories(start_ / "Alpha");
        std::filesystem::create_directories(start_ / ".hidden");
        writeBytes(start_ / "file.gba", Bytes{1});
        std::filesystem::current_path(start_);
        start();
    }
    void TearDown() override { std::filesystem::current_path(processFolder_); }

    TForm2& chooser() { return *windows.form2; }
    TForm3& options() { return *windows.form3; }
    QStringList rows()
    {
        QStringList names;
        for (int i = 0; i < chooser().DirectoryListBox1->count(); ++i)
            names << chooser().DirectoryListBox1->item(i)->text();
        return names;
    }
    void doubleClick(const QString& name)
    {
        QList<QListWidgetItem*> found = chooser().DirectoryListBox1->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        emit chooser().DirectoryListBox1->itemDoubleClicked(found.first());
    }

    std::filesystem::path processFolder_ = std::filesystem::current_path();
    std::filesystem::path start_;
};

TEST_F(FolderChooserTest, StartsInTheProcessFolderAndDoubleClickOpensAnother)
{
    EXPECT_EQ(chooser().Label1->toolTip().toStdString(), start_.string() + "/");
    EXPECT_EQ(rows().mid(rows().size() - 3), QStringList({"start", "Alpha", "roms"}));
    EXPECT_EQ(chooser().DirectoryListBox1->currentItem()->text(), "start");

    doubleClick("roms");
    EXPECT_EQ(chooser().currentFolder(), start_ / "roms");
    EXPECT_EQ(chooser().Label1->toolTip().toStdString(), (start_ / "roms").string() + "/");
    EXPECT_TRUE(chooser().Label1->text().endsWith("roms/"));
    EXPECT_EQ(rows().last(), "gba");
    QListWidgetItem* gba = chooser().DirectoryListBox1->item(rows().size() - 1);
    QListWidgetItem* roms = chooser().DirectoryListBox1->currentItem();
    EXPECT_EQ(gba->data(TForm2::DepthRole).toInt(), roms->data(TForm2::DepthRole).toInt() + 1);

    doubleClick("start");  // up again through the path
    EXPECT_EQ(chooser().currentFolder(), start_);
}

TEST_F(FolderChooserTest, AFolderThatCannotBeOpenedIsReportedAndLeftAlone)
{
    std::filesystem::remove_all(start_ / "roms");
    dialogs->expect(ShownDialog::Kind::Error);
    doubleClick("roms");
    EXPECT_TRUE(dialogs->shown().back().text.startsWith(QString::fromStdString((start_ / "roms").string())));
    EXPECT_EQ(chooser().currentFolder(), start_);
    EXPECT_FALSE(rows().contains("roms"));
}

TEST_F(FolderChooserTest, OkFillsTheTemporaryFolderFirstThenTheOutputFolder)
{
    options().BitBtn4->click();
    options().BitBtn5->click();
    EXPECT_TRUE(chooser().isVisible());
    const QString chosen = QString::fromStdString(start_.string() + "/");

    chooser().Button1->click();
    EXPECT_EQ(options().Edit2->text(), chosen);
    EXPECT_NE(options().Edit3->text(), chosen);
    EXPECT_FALSE(chooser().isVisible());
    EXPECT_FALSE(options().chooseTemporaryFolder);
    EXPECT_TRUE(options().chooseOutputFolder);

    chooser().show();
    chooser().Button1->click();
    EXPECT_EQ(options().Edit3->text(), chosen);
    EXPECT_EQ(form().outputFolder, chosen.toStdString());
    EXPECT_FALSE(options().chooseOutputFolder);

    // A folder clicked once, not opened, is the one OK passes on.
    options().BitBtn5->click();
    QListWidget* list = chooser().DirectoryListBox1;
    QListWidgetItem* alpha = list->findItems("Alpha", Qt::MatchExactly).value(0);
    ASSERT_NE(alpha, nullptr);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(alpha).center());
    EXPECT_EQ(chooser().Label1->toolTip().toStdString(), (start_ / "Alpha").string() + "/");
    chooser().Button1->click();
    EXPECT_EQ(options().Edit3->text().toStdString(), (start_ / "Alpha").string() + "/");

    chooser().show();
    chooser().Button1->click();  // nothing asked for: nothing to fill
    EXPECT_TRUE(chooser().isVisible());
}

TEST_F(FolderChooserTest, CancelClearsBothChoices)
{
    options().BitBtn4->click();
    options().BitBtn5->click();
    const QString temporary = options().Edit2->text();
    chooser().Button2->click();
    EXPECT_FALSE(chooser().isVisible());
    EXPECT_FALSE(options().chooseTemporaryFolder);
    EXPECT_FALSE(options().chooseOutputFolder);

    options().BitBtn5->click();
    chooser().Button1->click();
    EXPECT_EQ(options().Edit2->text(), temporary);
    EXPECT_EQ(options().Edit3->text().toStdString(), start_.string() + "/");
}

TEST_F(FolderChooserTest, ChoosingTheRootDriveGivesTheRootAndASecondSeparator)
{
    chooser().DriveComboBox1Change(0);  // "/" always comes first
    EXPECT_EQ(chooser().currentFolder(), "/");
    EXPECT_EQ(chooser().Label1->toolTip(), "//");
    options().BitBtn5->click();
    chooser().Button1->click();
    EXPECT_EQ(options().Edit3->text(), "//");
}

}  // namespace
}  // namespace kst::test
