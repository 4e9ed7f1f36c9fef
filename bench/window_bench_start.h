#pragma once

#include "gui/app/application.h"
#include "gui/common/strings.h"

#include <QApplication>
#include <QTemporaryDir>

// What a benchmark of the real window starts with: a data folder of its own,
// so that no run touches the user's files, Qt's offscreen platform unless
// another is asked for, and the program's translations.
class WindowBenchStart {
public:
    WindowBenchStart(int& argc, char** argv) : environment_(prepare(data_)), application_(argc, argv)
    {
        kst::setTranslator([](kst::TextId text) { return kst::fromQt(kst::qtr(text)); });
    }

private:
    static bool prepare(const QTemporaryDir& data)
    {
        qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return true;
    }

    QTemporaryDir data_;
    bool environment_;  // set before the application is made, which reads it
    QApplication application_;
};
