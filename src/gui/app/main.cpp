#include "gui/app/application.h"
#include "gui/app/translations.h"
#include "gui/main_window/command_line.h"
#include "gui/main_window/form1.h"

#include "platform/files.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[])
{
    kst::failWritesPastFileSizeLimit();
    kst::KestromApplication application(argc, argv);
    kst::installTranslations();

    kst::Windows windows = kst::createWindows();
    int status = 0;
    if (!kst::terminationRequested()) {
        windows.form1->show();
        // For checks of a build or an install: start, then close the main
        // window as a user would, so that the settings are written too.
        if (qEnvironmentVariableIsSet("KESTROM_QUIT_AFTER_START"))
            QTimer::singleShot(0, windows.form1, &QWidget::close);
        kst::addWhenStarted(*windows.form1, kst::commandLineFiles(QApplication::arguments().mid(1)));
        status = QApplication::exec();
    }
    kst::destroyWindows(windows);
    return status;
}
