#pragma once

#include <optional>
#include <string>

namespace kst {

// Where the unpacked copy of an archive member lies: extraction folder + the
// member's name, as the list shows it. Nothing when zip::memberFileName
// refuses the name, or when a link on the way would lead out of the folder:
// the unzip module refuses to write such a member, so a file found there is
// someone else's and must not be listed, read or deleted as an unpacked copy.
// The folder ends with the separator.
std::optional<std::string> unpackedMemberPath(const std::string& folder, const std::string& name);

}  // namespace kst
