#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kst::test {

using Bytes = std::vector<std::uint8_t>;

// One member of an archive written byte by byte, so that a test can store what
// no well-behaved tool writes: any name bytes, any flags and host system, and
// sizes or checksums that lie about the data.
struct ZipEntry {
    std::string name;               // the stored bytes of the name
    std::uint16_t flags = 0;        // general-purpose flags
    std::uint8_t version = 20;      // "version made by": version byte ...
    std::uint8_t host = 3;          // ... and host system (3: Unix)
    std::uint16_t method = 0;       // 0 stored, 8 deflated
    Bytes stored;                   // the data as it lies in the archive
    std::uint32_t crc = 0;
    std::uint32_t size = 0;         // uncompressed size written in both headers
    std::string extra;              // extra field of the central header
    std::string comment;            // the member's comment
    int sharesDataOf = -1;          // index of an earlier entry whose local member this one points at
    bool zip64Offset = false;       // the offset only in a zip64 extra field of the central header
};

// A member holding data, stored or deflated, with honest size and checksum.
ZipEntry storedEntry(std::string name, const Bytes& data);
ZipEntry deflatedEntry(std::string name, const Bytes& data);

// count entries named 0<name>, 1<name>, ... all pointing at the one local
// member of the first: a small archive that unpacks its data count times.
std::vector<ZipEntry> sharedDataBomb(const ZipEntry& entry, int count);

// A raw deflate stream that inflates to the given number of zero bytes, built
// from repeated blocks without ever holding the inflated data.
Bytes deflatedZeros(std::uint64_t size);

// How the archive around the entries is laid out.
struct ZipLayout {
    Bytes prefix;         // data in front of the archive; its offsets do not count it
    std::string comment;  // the archive's comment
    bool zip64 = false;   // zip64 end records (and full fields in the end record) in any case
    std::uint16_t thisDisk = 0;
    std::uint16_t directoryDisk = 0;
};

// A comment that ends in a whole end record: one entry of 46 bytes, counted
// back from it into the comment's filler, where no entry is.
std::string fakeEndRecordComment();

// An archive with the places of its records, for tests that break it on purpose.
struct LaidOutZip {
    Bytes bytes;
    std::size_t directoryStart = 0;
    std::size_t endRecord = 0;  // position of the end-of-central-directory record

    // Overwrites a little-endian field.
    void put16(std::size_t at, std::uint16_t value);
    void put32(std::size_t at, std::uint32_t value);
};

// The whole archive: local headers and data, central directory, end record;
// the zip64 end records too when there are more entries than 16 bits can count.
LaidOutZip zipArchive(const std::vector<ZipEntry>& entries, const ZipLayout& layout);
Bytes zipArchive(const std::vector<ZipEntry>& entries);

}  // namespace kst::test
