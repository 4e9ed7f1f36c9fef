#include "app/application.h"
#include "app/form1.h"
#include "app/strings.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[])
{
    kst::KestromApplication application(argc, argv);
    kst::setTranslator([](kst::TextId text) { return kst::fromQt(kst::qtr(text)); });

    kst::Windows windows = kst::createWindows();
    int status = 0;
    if (!kst::terminationRequested()) {
        windows.form1->show();
        // For checks of a build or an install: start, then close the main
        // window as a user would, so that the settings are written too.
        if (qEnvironmentVariableIsSet("KESTROM_QUIT_AFTER_START"))
            QTimer::singleShot(0, windows.form1, &QWidget::close);
        status = QApplication::exec();
    }
    kst::destroyWindows(windows);
    return status;
}
