#pragma once

#include "zipformat/member_spans.h"
#include "zipformat/zip_records.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

namespace kst::zip {

// An end-of-central-directory record as it lies in the file.
struct EndRecord {
    std::array<std::uint8_t, end::Size> bytes {};
    std::uint64_t position = 0;
};

// Where the central directory lies.
struct DirectoryPlace {
    std::uint64_t entries = 0;
    std::uint64_t size = 0;
    std::uint64_t offset = 0;  // as recorded: from the start of the disk that holds it
    std::uint64_t end = 0;     // file position where it ends: the record that follows it
};

// Whether the directory an end record points at can be read; decided by the reader.
using DirectoryReads = std::function<bool(const EndRecord&)>;

// Finds the end record of an archive of fileSize bytes. It lies in the last
// 22 bytes plus the longest comment (65,535 bytes), and the same four bytes may
// stand inside a comment: candidates whose comment fits in the file are tried
// from the end backwards, and the first whose directory reads is the record.
// When no directory reads, the last candidate that fits, so that the caller
// can tell what is wrong with it. Nothing when no candidate fits.
std::optional<EndRecord> findEndRecord(std::uint64_t fileSize, const ReadAt& readAt,
                                       const DirectoryReads& directoryReads);

std::uint16_t thisDisk(const EndRecord& end);
std::uint16_t directoryDisk(const EndRecord& end);

// From the end record, or from its Zip64 record when the end record's fields
// are full and a Zip64 locator stands right in front of it (archives with more
// than 65,535 members or beyond 4 GiB). Nothing when that Zip64 record is
// broken or counts more members than a list can hold.
std::optional<DirectoryPlace> directoryPlace(const ReadAt& readAt, const EndRecord& end);

// Where a directory on a single disk starts: counted back from the record
// that follows it, so that data put in front of the archive does not matter.
// fileSize (nothing left to read) when the directory cannot fit before the record.
std::uint64_t directoryStart(const DirectoryPlace& place, std::uint64_t fileSize);

}  // namespace kst::zip
