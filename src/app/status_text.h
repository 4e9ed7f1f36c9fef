#pragma once

#include <string>

namespace kst {

struct ChosenActions {
    bool truncate = false;
    bool removeIntro = false;
    bool applyExitHack = false;
    bool all = false;
};

// "[Actions: T R E]" with each letter empty when its action is not chosen; All chooses all three.
std::string actionText(const ChosenActions& actions);

// The status line: the list's ROM count, the selected row and the action text,
// or the empty-list text when row 1 holds no ROM.
std::string statusLine(bool listHasRoms, int rowCount, int selectedRow, const ChosenActions& actions);

}  // namespace kst
