#include "app/form1.h"

namespace kst {

void TForm1::Truncate1Click() {}
void TForm1::Removeintro1Click() {}
void TForm1::ApplyExitHack1Click() {}
void TForm1::All1Click() {}
void TForm1::RemEHClick() {}
void TForm1::BitBtn1Click() {}
void TForm1::SizeLost1Click() {}
void TForm1::otalSizeLost1Click() {}
void TForm1::ToolButton23Click() {}
void TForm1::Process(const std::string&, const std::string&) {}
void TForm1::RemoveEH(const std::string&, const std::string&) {}

}  // namespace kst
