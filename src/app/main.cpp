#include "app/application.h"
#include "app/command_line.h"
#include "app/form1.h"
#include "app/translations.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    kst::KestromApplication application(argc, argv);
    kst::installTranslations();

    kst::Windows windows = kst::createWindows();
    int status = 0;
    if (!kst::terminationRequested()) {
        windows.form1->show();
        kst::addWhenStarted(*windows.form1, kst::commandLineFiles(QApplication::arguments().mid(1)));
        status = QApplication::exec();
    }
    kst::destroyWindows(windows);
    return status;
}
