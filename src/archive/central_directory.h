#pragma once

#include "archive/tzip.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace kst {

class ArchiveFile;

// The next part of a directory that goes on to another disk: the file as it
// lies on that disk, or nullptr when there is none (the reading then fails).
using NextDisk = std::function<std::unique_ptr<ArchiveFile>()>;

struct CentralDirectory {
    std::vector<TFileInfo> entries;
    bool oemNames = false;  // decided by the first entry
};

// Reads count entries of the central directory from start on. Every length
// is checked against what the file still holds before it is used, so a lying
// or cut directory fails here without reading or allocating past the file.
// A directory that runs past the end of its file continues at the start of
// the file that nextDisk hands over. Nothing when the reading fails.
std::optional<CentralDirectory> readCentralDirectory(std::unique_ptr<ArchiveFile>& file, std::uint64_t start,
                                                     std::uint64_t count, const NextDisk& nextDisk);

// True when no two entries' members share a byte of the file. shift is where
// the archive starts in the file: what lies in front of it moves every offset.
bool membersLieApart(const std::vector<TFileInfo>& entries, const ArchiveFile& file, std::int64_t shift);

}  // namespace kst
