#pragma once

#include "romlist/apply_files.h"
#include "romops/actions.h"

#include <string>

namespace kst {

// "[Actions: T R E]" with each letter empty when its action is not chosen; All chooses all three.
std::string actionText(const ops::Actions& actions);

// The status line: the list's ROM count, the selected row and what Apply does
// (the action text, or the patch removal in that mode), or the empty-list text
// when row 1 holds no ROM.
std::string statusLine(bool listHasRoms, int rowCount, int selectedRow, ApplyMode mode, const ops::Actions& actions);

}  // namespace kst
