// The Help menu's fixed texts: warnings, how the processing works, the testers.

#include "gui/common/strings.h"
#include "gui/main_window/form1.h"

namespace kst {

void TForm1::Warnings1Click()
{
    dialogs().warning(qformat(strings::WarningsText, {qtr(strings::WarningsFragment)}) +
                      qtr(strings::WarningsClosing));
}

void TForm1::Howdoesitworks1Click()
{
    dialogs().information(qtr(strings::HowItWorksFirst) + qtr(strings::HowItWorksSecond));
}

void TForm1::BetaTesters1Click()
{
    dialogs().information(qtr(strings::BetaTestersText));
}

}  // namespace kst
