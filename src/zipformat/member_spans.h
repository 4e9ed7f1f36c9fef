#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace kst {

// Where one member's bytes lie, as its central-directory entry tells.
struct MemberPlace {
    std::uint64_t localHeader = 0;  // offset of the member's local header
    std::uint64_t compressedSize = 0;
    bool dataDescriptor = false;    // a data descriptor follows the data
};

// The place a central-directory file header (its 46 bytes) and its extra
// field give; where a 32-bit field is full, the zip64 extra field's value.
MemberPlace memberPlace(const std::uint8_t* centralHeader, std::string_view extraField);

// Reads up to size bytes at offset of the archive; returns how many arrived.
using ReadAt = std::function<std::size_t(std::uint64_t offset, std::uint8_t* into, std::size_t size)>;

// True when no two members share a byte. A member spans its local header
// with its name and extra field (read from the local header), its data and
// the smallest data descriptor. Several entries pointing at one member's data
// (the bomb that makes a small archive unpack to gigabytes) overlap; so does
// a member whose span does not fit in 64 bits. The local headers are read in
// file order, those lying close together through one read.
bool membersLieApart(std::vector<MemberPlace> places, const ReadAt& readAt);

}  // namespace kst
