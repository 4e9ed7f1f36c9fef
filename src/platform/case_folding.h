#pragma once

// File systems that find a name under any spelling of its letters (FAT and
// exFAT, the cards of flash carts), where "ROMS/a.gba" and "Roms/a.gba" are
// one file even when, as through FUSE, each spelling gets its own inode.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace kst {

// Whether the file system finds the existing entry under the other case of
// its letters: the other spelling is there and is the same inode, or it is
// there but its folder lists no entry of that spelling. False when the name
// has no letter to turn, or when it cannot be told.
bool foundUnderOtherCase(const std::filesystem::path& existing);

// The question above as the output checks ask it, so that a test can stand in
// for a file system that folds case.
using CaseProbe = std::function<bool(const std::filesystem::path& existing)>;

// The name with its letters in one case, as such a file system compares them:
// ASCII and the Latin-1 letters, in UTF-8.
std::string foldCase(std::string_view name);

}  // namespace kst
