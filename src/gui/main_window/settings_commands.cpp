// The main window's part of the settings file, taken at start-up. Saving it
// is part of closing.

#include "gui/common/strings.h"
#include "gui/main_window/form1.h"
#include "settings/stored_settings.h"

#include <QLineEdit>

namespace kst {

void TForm1::applySettings(const StoredSettings& stored)
{
    emulatorPath = stored.emulatorPath;
    outputFolder = stored.outputFolder;
    temporaryFolder = stored.temporaryFolder;
    Edit2->setText(toQt(stored.prefix));
    Edit3->setText(toQt(stored.suffix));

    // move() places the window's frame, as the stored left and top mean, and
    // resize() sets the size inside the frame, which the window manager only
    // adds once the window is shown. Closing stores pos() and size(), so the
    // bounds come back unchanged from run to run.
    move(stored.left, stored.top);
    resize(stored.width, stored.height);

    restoreActions(stored.actions);
}

}  // namespace kst
