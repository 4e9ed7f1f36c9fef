// The main window's part of the settings file, taken at start-up. Saving it
// is part of closing.

#include "gui/common/strings.h"
#include "gui/main_window/form1.h"
#include "settings/stored_settings.h"
#include "settings/window_bounds.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>

#include <limits>

namespace kst {
namespace {

// The free area of the screen that holds the stored top-left corner, or of
// the primary screen when none does.
WindowBounds availableArea(int left, int top)
{
    QScreen* screen = QGuiApplication::screenAt(QPoint(left, top));
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {left, top, std::numeric_limits<int>::max() / 2, std::numeric_limits<int>::max() / 2};
    const QRect area = screen->availableGeometry();
    return {area.left(), area.top(), area.width(), area.height()};
}

}  // namespace

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
    const WindowBounds fitted =
        fitIntoArea({stored.left, stored.top, stored.width, stored.height}, availableArea(stored.left, stored.top));
    move(fitted.left, fitted.top);
    resize(fitted.width, fitted.height);

    restoreActions(stored.actions);
}

}  // namespace kst
