#include "settings/form3.h"

namespace kst {

TForm3* Form3 = nullptr;

TForm3::TForm3() : QWidget(nullptr, Qt::Tool)
{
    Form3 = this;
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Options"));
    resize(309, 182);
}

TForm3::~TForm3()
{
    if (Form3 == this)
        Form3 = nullptr;
}

}  // namespace kst
