#pragma once

#include "gui/app/application.h"
#include "gui/support/scripted_dialogs.h"
#include "support/fake_platform.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <ostream>
#include <string>

namespace kst {
class TForm1;
}

QT_BEGIN_NAMESPACE
// Readable QStrings in test failures.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace kst::test {

inline QString q(const std::string& text)
{
    return QString::fromStdString(text);
}
inline QString q(const std::filesystem::path& path)
{
    return QString::fromStdString(path.string());
}

// Starts the four windows as the program does, on a fake platform whose
// program folder holds options.ini, patch.wnt and unzdll.dll, with scripted
// dialogs. Nothing is shown on screen (the tests run on the offscreen platform).
class GuiTest : public testing::Test {
protected:
    GuiTest();
    ~GuiTest() override;

    // Creates the windows; call after adjusting the program folder's files.
    void start();
    TForm1& form() { return *windows.form1; }

    // Writes a synthetic image into the test folder and returns its path.
    std::string image(const std::string& name, std::size_t size = 0x400, const std::string& internalName = "GAME");
    // Adds images as the add command would, through a scripted open-file
    // dialog, expecting the dialogs of the given kinds to follow it.
    void add(const QStringList& paths, std::initializer_list<ShownDialog::Kind> then = {});
    // The list's cells (the Save column once its scan has ended), and its
    // Name column from the first row down.
    std::string cell(int col, int row);
    QStringList names();

    TempFolder folder;
    FakePlatform* platform = nullptr;   // owned by the installed platform
    ScriptedDialogs* dialogs = nullptr; // owned by the installed dialogs
    Windows windows;
};

// For tests that need the windows from the start.
class StartedGuiTest : public GuiTest {
protected:
    void SetUp() override { start(); }
};

}  // namespace kst::test
