#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace kst {

// One row of the folder chooser's list.
struct FolderEntry {
    enum class Kind {
        Ancestor,   // a folder on the way from the root down to the current one
        Current,    // the current folder itself
        Subfolder,  // a folder inside the current one
    };
    std::string name;             // "/" for the root, else the folder's own name
    std::filesystem::path path;   // the full path, which double-clicking the row makes current
    int depth = 0;                // indentation level: 0 for the root, one more per level down
    Kind kind = Kind::Subfolder;
};

// The folder list of a current folder: the folders of its path from the root
// down, the current one last, then its subfolders one level deeper, sorted
// without regard to ASCII letter case (ties in byte order). Hidden folders
// (names starting with '.') are left out; links to folders count as folders.
struct FolderTree {
    std::vector<FolderEntry> entries;
    // False when the current folder's content could not be read: the entries
    // then hold the path alone and reason says why.
    bool readable = true;
    std::string reason;
};

// The folder as the chooser keeps it: absolute, without "." and ".." steps and
// without a trailing separator (except the root itself).
std::filesystem::path chooserFolder(const std::filesystem::path& folder);

// The list for a folder, which is first brought into chooserFolder form.
FolderTree folderTree(const std::filesystem::path& current);

// What the chooser shows and passes on for a folder: its path followed by the
// separator, also when the path ends in one already (the root gives "//").
std::string chosenFolderText(const std::filesystem::path& folder);

// The position in volumes of the one that holds folder: the longest mount
// point that folder lies in. volumes.size() when none does.
std::size_t volumeOf(const std::filesystem::path& folder, const std::vector<std::filesystem::path>& volumes);

}  // namespace kst
