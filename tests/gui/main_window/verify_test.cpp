#include "gui/main_window/form1.h"
#include "gui/support/gui_fixture.h"
#include "romlist/rom_grid.h"
#include "support/synthetic_image.h"
#include "support/temp_folder.h"

#include <QProgressBar>

namespace kst::test {
namespace {

using Kind = ShownDialog::Kind;

const std::string Dat = "<datafile><game name=\"Alpha (Europe)\">\n<rom name=\"Alpha/1.gba\" " + AlphaRom +
                        "/></game><game name=\"Beta\"><rom name=\"b.gba\" size=\"8\" crc=\"00000000\"/></game></datafile>";

class VerifyTest : public StartedGuiTest {
protected:
    std::string write(const std::string& name, const Bytes& bytes)
    {
        const std::string path = (folder / name).string();
        writeBytes(path, bytes);
        return path;
    }
    std::string datFile(const std::string& text)
    {
        return write("games.dat", Bytes(text.begin(), text.end()));
    }
    void verify(const std::string& dat, std::initializer_list<Kind> then)
    {
        dialogs->expectOpenFile(QStringList{q(dat)});
        for (Kind kind : then)
            dialogs->expect(kind);
        form().VerifyDat1Click();
    }
};

TEST_F(VerifyTest, FillsTheSaveAndVerifiedColumnsCountsAndRemembersTheDat)
{
    Bytes changed = datGameImage(4096);
    const std::string library = "FLASH1M_V103";  // also changes the game data
    std::copy(library.begin(), library.end(), changed.begin() + 0x800);
    const std::string gone = write("gone.gba", datGameImage(4096));
    add({q(write("full.gba", datGameImage(4096))), q(write("trimmed.gba", datGameImage(3001))),
         q(write("changed.gba", changed)), q(gone)});
    std::filesystem::remove(gone);
    // The save column is filled when the row is added.
    EXPECT_EQ(cell(ColSave, 1), "none");
    EXPECT_EQ(cell(ColSave, 3), "Flash 128 KB");

    // A DAT that is no DAT is reported and changes nothing.
    verify(datFile("<datafile>\n<game>"), {Kind::Error});
    EXPECT_EQ(dialogs->shown().back().text, q((folder / "games.dat").string() + ", line 2: no element found"));
    EXPECT_EQ(cell(ColVerified, 1), "");

    const std::string dat = datFile(Dat);
    verify(dat, {Kind::Message});
    EXPECT_EQ(cell(ColVerified, 1), "Verified: Alpha (Europe)");
    EXPECT_EQ(cell(ColVerified, 2), "Verified when padded: Alpha (Europe)");
    EXPECT_EQ(cell(ColVerified, 3), "Unknown");
    EXPECT_EQ(cell(ColVerified, 4), "Unreadable");
    EXPECT_EQ(dialogs->shown().back().text,
              q("4 images checked against " + dat +
                ":\n1 verified\n1 verified when padded\n0 verified when restored\n1 unknown\n1 unreadable\n"
                "The list holds 1 of the DAT's 2 games."));
    EXPECT_NE(readText(platform->program / "options.ini").find("datfile=" + dat), std::string::npos);
    EXPECT_EQ(form().Bar1->value(), 0);  // a short list leaves the gauge alone

    verify(dat, {Kind::Message});
    EXPECT_EQ(dialogs->lastOpenFile.selectedFile, q(dat));

    // Names from the DAT picked last, for the verified rows only.
    dialogs->expect(Kind::Message);
    form().NamesFromDat1Click();
    EXPECT_EQ(dialogs->shown().back().text, q("2 of 4 images named from " + dat + "."));
    EXPECT_EQ(cell(ColName, 1), "Alpha_1");
    EXPECT_EQ(cell(ColName, 2), "Alpha_1");
    EXPECT_EQ(cell(ColName, 3), "changed");
}

TEST_F(VerifyTest, EditingAnImageClearsTheVerdictOfEveryRowThatListsIt)
{
    const std::string image = write("full.gba", datGameImage(4096));
    add({q(image), q(write("other.gba", datGameImage(4096))), q(image)});
    verify(datFile(Dat), {Kind::Message});
    ASSERT_EQ(cell(ColVerified, 3), "Verified: Alpha (Europe)");
    form().selectRows(3, 3);
    dialogs->expectInput(QStringLiteral("NEW"));
    dialogs->expect(Kind::Message);
    form().EditInternalname1Click();
    // The edited row is built again; the other row of that file says nothing either.
    int listing = 0;
    for (int row = 1; row <= 3; ++row) {
        listing += cell(ColInput, row) == image;
        EXPECT_EQ(cell(ColVerified, row), cell(ColInput, row) == image ? "" : "Verified: Alpha (Europe)") << row;
    }
    EXPECT_EQ(listing, 2);
}

TEST_F(VerifyTest, ALongListShowsItsProgressInTheGauge)
{
    QStringList paths;
    for (int i = 0; i < 201; ++i)
        paths << q(write("g" + std::to_string(i) + ".gba", datGameImage(4096)));
    add(paths);
    verify(datFile(Dat), {Kind::Message});
    EXPECT_EQ(form().Bar1->maximum(), 201);
    EXPECT_EQ(form().Bar1->value(), 201);
}

}  // namespace
}  // namespace kst::test
