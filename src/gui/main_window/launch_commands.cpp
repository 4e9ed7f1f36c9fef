// Play: starts the user's emulator on the selected row's file.

#include "gui/common/strings.h"
#include "gui/main_window/form1.h"
#include "gui/settings/form3.h"
#include "platform/platform.h"

namespace kst {

void TForm1::Play1Click()
{
    const std::optional<int> row = selectedRom();
    if (!row)
        return;
    const std::string rom = grid_.cell(ColInput, *row);
    if (!emulatorPath.empty()) {
        launchEmulator(rom);
        return;
    }
    std::optional<QString> typed =
        dialogs().input(qtr(strings::EmulatorPathCaption), qtr(strings::EmulatorPathPrompt), toQt(emulatorPath));
    if (!typed)
        return;
    emulatorPath = fromQt(*typed);
    launchEmulator(rom);
    Form3->acceptEmulatorPath(*typed);
}

void TForm1::launchEmulator(const std::string& rom)
{
    // The path goes over as one argument, whole: no quoting, no shell, no length limit.
    std::string reason;
    if (!platform().launchProgram(emulatorPath, rom, &reason))
        dialogs().error(qformat(strings::EmulatorNotStarted, {toQt(emulatorPath), toQt(reason)}));
}

}  // namespace kst
