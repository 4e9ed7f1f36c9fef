// Play: the emulator started on the selected row's file, the path asked for
// on first use and stored through the Options window's OK, and a failing start.

#include "gui/main_window/form1.h"
#include "gui/settings/form3.h"
#include "gui/support/gui_fixture.h"
#include "settings/profile_file.h"

#include <QLineEdit>

#include <fstream>

namespace kst::test {
namespace {

using Kind = ShownDialog::Kind;
using Launch = std::pair<std::string, std::string>;

class PlayTest : public GuiTest {
protected:
    void SetUp() override
    {
        // A temporary folder that exists, so that the Options OK says nothing about it.
        std::ofstream(platform->program / "options.ini") << "[Options]\ntemp=" << folder.path().string() << "/\n";
        start();
        rom = image("My Roms/Star Racer (E).gba");
        add({q(image("first.gba")), q(rom)});
        dialogs->clearShown();
    }
    std::string storedPath() const
    {
        return ProfileFile(platform->program / "options.ini").readString("Options", "vbpath", "<missing>");
    }

    std::string rom;
};

TEST_F(PlayTest, TheFirstPlayAsksOnceAndStoresThePathThroughOptionsOk)
{
    form().selectRows(2, 2);
    dialogs->expectInput(std::nullopt);
    form().Play1Click();
    EXPECT_TRUE(platform->launches.empty());  // Cancel starts and stores nothing
    EXPECT_EQ(form().emulatorPath, "");
    EXPECT_EQ(storedPath(), "<missing>");

    dialogs->clearShown();
    dialogs->expectInput(QString("/opt/emu/mgba qt"));
    form().Play1Click();
    form().Play1Click();  // asks nothing now
    ASSERT_EQ(dialogs->shown().size(), 1u);
    EXPECT_EQ(dialogs->shown()[0].caption, "Emulator path?");
    EXPECT_EQ(dialogs->shown()[0].text, "Type the path of a GBA emulator:");
    EXPECT_EQ(dialogs->lastInputInitial, "");
    EXPECT_EQ(platform->launches, (std::vector<Launch>{{"/opt/emu/mgba qt", rom}, {"/opt/emu/mgba qt", rom}}));
    EXPECT_EQ(windows.form3->Edit1->text(), "/opt/emu/mgba qt");
    EXPECT_EQ(storedPath(), "/opt/emu/mgba qt");
    EXPECT_FALSE(windows.form3->isVisible());

    form().UnselectAll1Click();
    dialogs->expect(Kind::Message);
    form().Play1Click();
    EXPECT_EQ(dialogs->shown().back().text, "The current selection is empty.");
    EXPECT_EQ(platform->launches.size(), 2u);
}

TEST_F(PlayTest, AFailingStartIsReportedAndTheTypedPathIsKept)
{
    platform->launchSucceeds = false;
    platform->launchFailure = "Permission denied";
    form().selectRows(2, 2);

    form().emulatorPath = "/home/me/emulator.txt";
    dialogs->expect(Kind::Error);
    form().Play1Click();
    EXPECT_EQ(dialogs->shown().back().text,
              "The emulator /home/me/emulator.txt could not be started:\nPermission denied");
    EXPECT_EQ(storedPath(), "<missing>");  // a path not asked for is not written

    form().emulatorPath.clear();
    dialogs->expectInput(QString("/no/such/emulator"));
    dialogs->expect(Kind::Error);
    form().Play1Click();
    EXPECT_EQ(dialogs->shown().back().text, "The emulator /no/such/emulator could not be started:\nPermission denied");
    EXPECT_EQ(storedPath(), "/no/such/emulator");
    EXPECT_EQ(form().emulatorPath, "/no/such/emulator");
}

}  // namespace
}  // namespace kst::test
