#include "romlist/status_text.h"

#include "core/texts.h"

namespace kst {

std::string actionText(const ops::Actions& actions)
{
    auto letter = [&](bool chosen, TextId text) { return actions.all || chosen ? tr(text) : std::string(); };
    return format(tr(texts::ActionTextFormat), {letter(actions.truncate, texts::ActionLetterTruncate),
                                                 letter(actions.removeIntro, texts::ActionLetterIntro),
                                                 letter(actions.applyExitHack, texts::ActionLetterExitHack)});
}

std::string statusLine(bool listHasRoms, int rowCount, int selectedRow, ApplyMode mode, const ops::Actions& actions)
{
    if (!listHasRoms)
        return tr(texts::NoRomsInList);
    const std::string applies = mode == ApplyMode::RemoveEH ? tr(texts::ActionTextRemoveExitHack) : actionText(actions);
    return format(tr(texts::StatusFormat), {std::to_string(rowCount - 1), std::to_string(selectedRow), applies});
}

}  // namespace kst
