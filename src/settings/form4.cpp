#include "settings/form4.h"

namespace kst {

TForm4* Form4 = nullptr;

TForm4::TForm4() : QWidget(nullptr, Qt::Tool)
{
    Form4 = this;
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("About"));
    resize(191, 261);
}

TForm4::~TForm4()
{
    if (Form4 == this)
        Form4 = nullptr;
}

}  // namespace kst
