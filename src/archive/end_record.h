#pragma once

#include "archive/tzip.h"

#include <cstdint>
#include <optional>

namespace kst {

class ArchiveFile;

// The end record as a freshly named archive has it: the signature and 18
// zero bytes, found nowhere. Also the whole content of an empty archive.
TEOCHInfo emptyEndRecord();

// Finds the end-of-central-directory record: in the last 22 bytes, else by
// scanning backwards through as much of the tail as a record and its longest
// comment (65,535 bytes) can take. A signature counts only
// when the comment length after it fits in the file, so the same four bytes
// inside a comment are passed over.
std::optional<TEOCHInfo> findEndRecord(const ArchiveFile& file);

// The fields of an end record the reader decides by.
std::uint16_t thisDisk(const TEOCHInfo& end);
std::uint16_t directoryDisk(const TEOCHInfo& end);

// Disk numbers above 1000 belong to no archive that a set of disks can hold.
bool isImplausible(const TEOCHInfo& end);

// Where the central directory lies.
struct DirectoryPlace {
    std::uint64_t entries = 0;
    std::uint64_t size = 0;
    std::uint64_t offset = 0;  // from the start of the disk that holds it
    std::uint64_t end = 0;     // file position where it ends: the record that follows it
};

// From the end record, or from its Zip64 record when the end record's fields
// are full and a Zip64 locator stands right in front of it (archives with more
// than 65,535 members or beyond 4 GiB). Nothing when that Zip64 record is
// broken or counts more members than a list can hold.
std::optional<DirectoryPlace> directoryPlace(const ArchiveFile& file, const TEOCHInfo& end);

}  // namespace kst
