#include "platform/file_error.h"
#include "settings/stored_settings.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace kst {
namespace {

using test::readText;

// Missing keys and their defaults are looked at through the windows; here, a
// key that is present with nothing after it is not a missing one.
TEST(StoredSettings, PresentButEmptyTextsStayEmpty)
{
    test::TempFolder folder;
    std::ofstream(folder / "options.ini") << "[Options]\noutdir=\ntemp=\nprefix=\naontop=\n";
    StoredSettings s = readStoredSettings(ProfileFile(folder / "options.ini"), "/opt/kestrom", "/var/tmp");
    EXPECT_EQ(s.outputFolder, "");
    EXPECT_EQ(s.temporaryFolder, "");
    EXPECT_EQ(s.prefix, "");
    EXPECT_FALSE(s.alwaysOnTop);
}

TEST(StoredSettings, OptionsKeysAreWrittenInOrderUpToARefusal)
{
    test::TempFolder folder;
    ProfileFile file(folder / "options.ini");
    writeOptionsKeys(file, {"/emu", true, false, "/out/", "/tmp/k/"});
    EXPECT_EQ(readText(file.path()), "[Options]\nvbpath=/emu\naontop=1\ndeltmp=0\noutdir=/out/\ntemp=/tmp/k/\n");

    // A value the format cannot carry stops the run at its key.
    EXPECT_THROW(writeOptionsKeys(file, {"/emu2", false, true, "/bad\n/", "/tmp/j/"}), FileError);
    EXPECT_EQ(readText(file.path()), "[Options]\nvbpath=/emu2\naontop=0\ndeltmp=1\noutdir=/out/\ntemp=/tmp/k/\n");
}

TEST(StoredSettings, MainWindowKeysAreWrittenInOrderUpToARefusal)
{
    test::TempFolder folder;
    ProfileFile file(folder / "options.ini");
    MainWindowKeys keys{"P-", "-S", 10, 20, 700, 500, {.all = true, .truncate = true}};
    writeMainWindowKeys(file, keys);
    EXPECT_EQ(readText(file.path()),
              "[Options]\nprefix=P-\nsuffix=-S\nwleft=10\nwtop=20\nwheight=500\nwwidth=700\nt=1\nr=0\ne=0\na=1\n");

    keys.prefix = "Q-";
    keys.suffix = "bad\n";
    EXPECT_THROW(writeMainWindowKeys(file, keys), FileError);
    EXPECT_EQ(readText(file.path()).rfind("[Options]\nprefix=Q-\nsuffix=-S\nwleft=10\n", 0), 0u);
}

}  // namespace
}  // namespace kst
