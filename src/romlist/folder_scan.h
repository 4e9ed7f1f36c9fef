#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace kst {

// Why an entry of a folder was not added.
enum class SkipReason {
    WrongExtension,   // a file that is neither a .gba image nor a .zip archive
    NotAFile,         // a device, pipe, socket or a link to nothing
    FolderLink,       // a link to a folder: never followed, so no link can loop
    FolderUnreadable, // a folder whose entries cannot be listed
    ImageUnreadable,  // an image whose header cannot be read (found by the add, not the scan)
    ArchiveRefused,   // an archive the import could not take; the detail says why
};

struct SkippedEntry {
    std::filesystem::path path;
    SkipReason reason;
    std::string detail;  // the system's reason, where there is one
};

// What a folder brings to the ROM list.
struct FolderContents {
    // The .gba images and .zip archives (any letter case), depth first, each
    // folder's entries in name order with its subfolders in their place.
    std::vector<std::filesystem::path> files;
    std::vector<SkippedEntry> skipped;
};

// Walks a folder and everything below it. The folder itself may be reached
// through a link, since the user named it; links below it that lead to
// folders are skipped. Links to files count as the files they lead to.
FolderContents scanFolder(const std::filesystem::path& folder);

// The one message that lists what an add left out: a line per entry, at
// most maxLines of them, then how many more there were.
std::string skippedSummary(const std::vector<SkippedEntry>& skipped, std::size_t maxLines = 15);

// The order of names in a folder: ASCII letters compared without regard to
// case, ties broken byte for byte so that the order is total.
bool nameOrderLess(const std::string& a, const std::string& b);

}  // namespace kst
