#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kst::test {

using Bytes = std::vector<std::uint8_t>;

// One member of an archive written by ZipBuilder: stored, not compressed.
struct ZipMember {
    std::string name;  // bytes as stored
    Bytes data;
    std::uint8_t hostSystem = 3;  // Unix
    std::uint8_t version = 20;
    std::uint16_t flags = 0;
    std::string extra;
    std::string comment;
};

// A zip archive laid out byte by byte, with the places of its records, so
// that tests can build well-formed archives and then break them on purpose.
struct BuiltZip {
    Bytes bytes;
    std::size_t directoryStart = 0;
    std::size_t endRecord = 0;  // position of the end-of-central-directory record

    // Overwrites a little-endian field.
    void put16(std::size_t at, std::uint16_t value);
    void put32(std::size_t at, std::uint32_t value);
};

struct ZipLayout {
    Bytes prefix;         // data in front of the archive (offsets do not count it)
    std::string comment;  // the archive's comment
    bool zip64 = false;   // Zip64 end records, the classic one with full fields
    std::uint16_t thisDisk = 0;
    std::uint16_t directoryDisk = 0;
};

// A member made on a Unix host, as most tools write them today.
ZipMember zipMember(std::string name, const std::string& data = "data", std::uint8_t hostSystem = 3,
                    std::uint16_t flags = 0);

BuiltZip buildZip(const std::vector<ZipMember>& members, const ZipLayout& layout = {});

std::uint32_t crc32Of(const Bytes& data);

}  // namespace kst::test
