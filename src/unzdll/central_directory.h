#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kst::unz {

// What libzip does not tell about a member: its name as stored, byte for
// byte (a NUL included), and its general-purpose flags.
struct StoredEntry {
    std::string rawName;
    std::uint16_t flags = 0;
    // Where the flags lie in the file, and whether libzip would refuse the
    // whole archive for this entry: flagged UTF-8, but its name or comment is not.
    std::uint64_t flagsOffset = 0;
    bool badUtf8 = false;
    // Its local header and data do not fit between the start of the file and the directory.
    bool dataOutside = false;
};

struct StoredDirectory {
    std::vector<StoredEntry> entries;  // in central-directory order, as libzip indexes them
    bool oemNames = false;             // decided by the first entry's "version made by"
    bool membersOverlap = false;       // two entries share bytes of the file: a damaged archive
    // Bytes in front of the archive (a self-extracting stub, say): every
    // recorded offset lies this far on in the file.
    std::uint64_t archiveStart = 0;
};

// Reads the central directory of the archive open on fd, itself, with every
// length checked against what is left of the file; the end record is the one
// zip::findEndRecord finds. Nothing when the archive has no readable directory.
std::optional<StoredDirectory> readStoredDirectory(int fd);

}  // namespace kst::unz
