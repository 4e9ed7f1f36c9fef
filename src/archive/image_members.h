#pragma once

#include <vector>

namespace kst {

class TZip;

// The indexes of the archive's cartridge images, its ".gba" members, in
// directory order: what the window and the command line both take from an archive.
std::vector<int> imageMembers(const TZip& zip);

}  // namespace kst
