#pragma once

// Where the fields of the zip records lie, for every reader of the format.
// Every multi-byte field is little-endian.

#include <cstddef>
#include <cstdint>

namespace kst::zip {

inline std::uint16_t le16(const std::uint8_t* p)
{
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

inline std::uint32_t le32(const std::uint8_t* p)
{
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8)
        | (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

inline std::uint64_t le64(const std::uint8_t* p)
{
    return le32(p) | (static_cast<std::uint64_t>(le32(p + 4)) << 32);
}

// End of central directory record.
namespace end {
constexpr std::uint32_t Signature = 0x06054B50;
constexpr std::size_t Size = 22;
constexpr std::size_t ThisDisk = 4;
constexpr std::size_t DirectoryDisk = 6;
constexpr std::size_t TotalEntries = 10;
constexpr std::size_t DirectorySize = 12;
constexpr std::size_t DirectoryOffset = 16;
constexpr std::size_t CommentLength = 20;
}  // namespace end

// Zip64 end of central directory locator: directly in front of the end record.
namespace locator64 {
constexpr std::uint32_t Signature = 0x07064B50;
constexpr std::size_t Size = 20;
constexpr std::size_t RecordDisk = 4;
constexpr std::size_t RecordOffset = 8;
constexpr std::size_t TotalDisks = 16;
}  // namespace locator64

// Zip64 end of central directory record (its fixed part).
namespace end64 {
constexpr std::uint32_t Signature = 0x06064B50;
constexpr std::size_t Size = 56;
constexpr std::size_t ThisDisk = 16;
constexpr std::size_t DirectoryDisk = 20;
constexpr std::size_t TotalEntries = 32;
constexpr std::size_t DirectorySize = 40;
constexpr std::size_t DirectoryOffset = 48;
}  // namespace end64

// Central directory file header.
namespace entry {
constexpr std::uint32_t Signature = 0x02014B50;
constexpr std::size_t Size = 46;
constexpr std::size_t Version = 4;     // version byte of "version made by"
constexpr std::size_t HostSystem = 5;  // host-system byte of "version made by"
constexpr std::size_t Flags = 8;
constexpr std::size_t Crc = 16;
constexpr std::size_t CompressedSize = 20;
constexpr std::size_t UncompressedSize = 24;
constexpr std::size_t NameLength = 28;
constexpr std::size_t ExtraLength = 30;
constexpr std::size_t CommentLength = 32;
constexpr std::size_t LocalHeaderOffset = 42;
}  // namespace entry

// Local file header (its fixed part), in front of each member's data.
namespace local {
constexpr std::uint32_t Signature = 0x04034B50;
constexpr std::size_t Size = 30;
constexpr std::size_t NameLength = 26;
constexpr std::size_t ExtraLength = 28;
}  // namespace local

constexpr std::uint16_t FlagEncrypted = 0x0001;
constexpr std::uint16_t FlagDataDescriptor = 0x0008;

}  // namespace kst::zip
