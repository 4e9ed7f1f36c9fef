#include "gui/common/strings.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    kst::setTranslator([](kst::TextId text) { return kst::fromQt(kst::qtr(text)); });
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
