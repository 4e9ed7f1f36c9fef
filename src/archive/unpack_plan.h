#pragma once

#include <string>
#include <vector>

namespace kst {

class PathClaims;

// Where the image members of one archive are unpacked, and which of them.
struct UnpackPlan {
    std::string folder;                // ends with the separator
    bool ownFolder = false;            // a fresh folder made for this archive
    std::vector<std::string> members;  // to unpack, in directory order
    std::vector<std::string> leftOut;  // named like an earlier member (x.gba, ./x.gba, a//x.gba)
    // The folders inside the temporary folder that the members' files need
    // and that are not there yet: the outermost missing one of each member.
    std::vector<std::string> newFolders;
};

// Plans the unpacking of an archive's image members (names in directory
// order) into the temporary folder so that no file a row lists is replaced
// and every member has a file of its own. The module writes equivalent names
// to one file, so only the first of them is unpacked. When a member's file
// in the temporary folder is held, here or by another running program, the
// archive goes into a fresh folder of its own inside it instead, and so it
// does when the claims cannot be shown to the other programs. Before the
// plan is returned, the members' files are claimed. Throws FileError when
// that fresh folder cannot be made. The folder ends with the separator.
UnpackPlan planUnpacking(PathClaims& claims, const std::string& temporaryFolder, const std::vector<std::string>& names);

// Removes a folder that planUnpacking made or found missing, with the member folders in it,
// as far as they are empty: what is still in it stays.
void removeUnpackFolder(const std::string& folder);

}  // namespace kst
