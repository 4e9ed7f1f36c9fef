#include "gui/app/application.h"

#include "gui/about/form4.h"
#include "gui/common/strings.h"
#include "gui/common/toolbar_images.h"
#include "gui/main_window/form1.h"
#include "gui/settings/form2.h"
#include "gui/settings/form3.h"

#include "gui/common/dialogs.h"

#include <QApplication>

#include <exception>

namespace kst {

KestromApplication::KestromApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool KestromApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        dialogs().message(QString::fromStdString(error.what()));
    }
    return false;
}
Windows createWindows()
{
    // No display name: the platform would add it to every window's caption,
    // and the main window's caption already begins with it.
    QApplication::setApplicationName(qtr(strings::ApplicationTitle));
    QApplication::setWindowIcon(programIcon());
    // Lets the desktop match the windows with the installed .desktop file and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.kestrom.Kestrom"));
    Windows windows;
    windows.form1 = new TForm1();
    windows.form2 = new TForm2();
    windows.form3 = new TForm3(*windows.form1, windows.form1);
    windows.form4 = new TForm4();
    return windows;
}

void destroyWindows(Windows& windows)
{
    delete windows.form4;
    delete windows.form3;
    delete windows.form2;
    delete windows.form1;
    windows = {};
}

}  // namespace kst
