#pragma once

#include "gui/common/termination.h"

#include <QApplication>

namespace kst {

// The application object. An error that no command catches ends up here and
// is shown with its own message, so the program carries on.
class KestromApplication : public QApplication {
public:
    KestromApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

class TForm1;
class TForm2;
class TForm3;
class TForm4;

// The four windows of the program, created once in this order and living
// until it ends. Only the main window is shown at start.
struct Windows {
    TForm1* form1 = nullptr;
    TForm2* form2 = nullptr;
    TForm3* form3 = nullptr;
    TForm4* form4 = nullptr;
};

// Sets the application title and creates the four windows in order, hidden.
// The caller owns them through the returned pointers (delete form4 first).
Windows createWindows();
void destroyWindows(Windows& windows);

}  // namespace kst
