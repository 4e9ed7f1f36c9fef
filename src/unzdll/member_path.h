#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace kst::unz {

// The key a member or a requested name is matched by. "\" and "/" both
// separate folders: callers may hand over names in either spelling.
std::string matchKey(std::string_view name, bool ignoreCase);

// A folder entry of the archive: its name ends with a separator.
bool isFolderEntry(std::string_view name);

// Where a member may be written, relative to the extraction folder: the file
// zip::memberFileName gives, or nothing when that rule refuses the name.
// Without keepFolders only the last component is kept.
std::optional<std::filesystem::path> memberPath(std::string_view name, bool keepFolders);

// Whether the system can name a file at this path: the whole path and each of
// its parts within the system's limits. A member beyond them is refused before
// any folder is made for it.
bool fitsTheSystem(const std::filesystem::path& path);

}  // namespace kst::unz
