#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace kst {

// A folder that holds this user's files where other users could reach them
// (the temporary folder, the claims folder) is used only when nobody else
// can swap what is in it: it is a folder of the user's own that nobody else
// can write. Whether the name itself may be a link:
enum class FolderLink {
    Refused,      // a folder the program chose: another user may have put a link in its place
    OwnFollowed,  // a folder the user named: a link of the user's own is followed
};

// Why the folder is not safe to keep files in, or nothing when it is. A
// missing folder is reported by the system's reason.
std::optional<std::string> privateFolderProblem(const std::filesystem::path& folder, FolderLink link);

// Makes the folder when missing (one level, readable only by the user) and
// checks it as above; throws FileError naming the folder and the reason.
void preparePrivateFolder(const std::filesystem::path& folder, FolderLink link);

}  // namespace kst
