#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kst::zip {

// Folders in a member's name are separated by "/", or by "\" in archives
// made on systems that use it.
bool isNameSeparator(char c);

// The name with "/" for every separator: how the program shows it.
std::string withSlashes(std::string_view name);

// The file a member's name stands for, relative to the folder it is
// unpacked into: its parts joined by "/", empty and "." parts passed over
// (a//x.gba and ./x.gba are both x.gba). Nothing for a name that would leave
// that folder or names no file: empty, absolute, with a drive letter, a ".."
// part or a NUL (which would end it early for the system, so that "..\0x"
// reached it as ".."), or without any part. Such a name comes from a hostile
// or broken archive and is refused rather than cleaned up: guessing a harmless
// place for it would only hide that. The unzip module, the unpack plan and
// the command line all decide by this.
std::optional<std::string> memberFileName(std::string_view name);

}  // namespace kst::zip
