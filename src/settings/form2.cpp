#include "settings/form2.h"

namespace kst {

TForm2* Form2 = nullptr;

TForm2::TForm2() : QWidget(nullptr, Qt::Tool)
{
    Form2 = this;
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Folder list..."));
    resize(289, 266);
}

TForm2::~TForm2()
{
    if (Form2 == this)
        Form2 = nullptr;
}

}  // namespace kst
