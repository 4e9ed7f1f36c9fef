#include "app/form1.h"

#include <QApplication>
#include <QCloseEvent>

namespace kst {

void TForm1::Timer1Timer() {}

void TForm1::closeEvent(QCloseEvent* event)
{
    FormCloseQuery();
    FormClose();
    event->accept();
    QApplication::quit();
}

void TForm1::FormCloseQuery() {}
void TForm1::FormClose() {}

}  // namespace kst
