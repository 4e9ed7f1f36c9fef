#pragma once

#include "archive/tzip.h"
#include "zipformat/end_record.h"

#include <cstdint>
#include <optional>

namespace kst {

class ArchiveFile;

// The end record as a freshly named archive has it: the signature and 18
// zero bytes, found nowhere. Also the whole content of an empty archive.
TEOCHInfo emptyEndRecord();

// The archive's end record, by the rule of zip::findEndRecord.
std::optional<TEOCHInfo> findEndRecord(const ArchiveFile& file, const zip::DirectoryReads& directoryReads);

zip::EndRecord formatRecord(const TEOCHInfo& end);

// The fields of an end record the reader decides by.
std::uint16_t thisDisk(const TEOCHInfo& end);
std::uint16_t directoryDisk(const TEOCHInfo& end);

// Disk numbers above 1000 belong to no archive that a set of disks can hold.
bool isImplausible(const TEOCHInfo& end);

using DirectoryPlace = zip::DirectoryPlace;

// Where the central directory lies: see zip::directoryPlace.
std::optional<DirectoryPlace> directoryPlace(const ArchiveFile& file, const TEOCHInfo& end);

// Reads the archive file for the zip format's readers.
ReadAt readerOf(const ArchiveFile& file);

}  // namespace kst
