#include "app/form1.h"

namespace kst {

void TForm1::Liste1DblClick() {}
void TForm1::Liste1KeyDown(int, Qt::KeyboardModifiers) {}
void TForm1::Liste1MouseDown(Qt::MouseButton) {}
void TForm1::Removeselection1Click() {}
void TForm1::UnselectAll1Click() {}
void TForm1::Editname1Click() {}
void TForm1::Edit2Change() {}
void TForm1::Edit3Change() {}

}  // namespace kst
