// Commands whose behaviour comes with later work: bound now, doing nothing yet.

#include "app/form1.h"

namespace kst {

void TForm1::Play1Click() {}
void TForm1::Warnings1Click() {}
void TForm1::Howdoesitworks1Click() {}
void TForm1::BetaTesters1Click() {}

}  // namespace kst
