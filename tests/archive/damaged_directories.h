#pragma once

// Directories broken on purpose, for the directory reader's tests and the
// readers' agreement test.

#include "support/zip_writer.h"

#include <functional>
#include <vector>

namespace kst::test {

// roms/game-00000.gba and on.
std::vector<ZipEntry> numberedMembers(int count);

// A damage done to an archive of numberedMembers(3), and what the listing says of it.
struct DamagedDirectory {
    const char* what;
    std::function<void(LaidOutZip&)> damage;
    bool notValid;  // else the directory is unreadable
    bool zip64 = false;
};

std::vector<DamagedDirectory> damagedDirectories();

}  // namespace kst::test
