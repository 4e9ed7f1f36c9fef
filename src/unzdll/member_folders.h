#pragma once

#include <filesystem>
#include <vector>

namespace kst::unz {

// Whether the folders of a member below root can be walked: each is a real
// folder or not there yet. A symbolic link on the way fails the walk, since
// following it could lead out of the extraction folder.
bool foldersArePassable(const std::filesystem::path& root, const std::filesystem::path& folders);

// The folders made for one member. Unless the member is kept they are removed
// again, deepest first, when this goes: a member that ends up skipped leaves
// nothing behind, not even an empty folder.
class MadeFolders {
public:
    MadeFolders() = default;
    ~MadeFolders();
    MadeFolders(const MadeFolders&) = delete;
    MadeFolders& operator=(const MadeFolders&) = delete;

    // Walks the folders like foldersArePassable, making the missing ones; on
    // failure errno says why.
    bool make(const std::filesystem::path& root, const std::filesystem::path& folders);
    void keep() { made_.clear(); }

private:
    std::vector<std::filesystem::path> made_;
};

}  // namespace kst::unz
