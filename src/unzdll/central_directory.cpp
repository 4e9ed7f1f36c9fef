#include "unzdll/central_directory.h"

#include "zipformat/member_name.h"
#include "zipformat/member_spans.h"

#include <algorithm>
#include <cerrno>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace kst::unz {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint32_t EndSignature = 0x06054B50;
constexpr std::uint32_t Zip64LocatorSignature = 0x07064B50;
constexpr std::uint32_t Zip64EndSignature = 0x06064B50;
constexpr std::uint32_t EntrySignature = 0x02014B50;

// The end record and its fields.
constexpr std::size_t EndSize = 22;
constexpr std::size_t EndDisk = 4;
constexpr std::size_t EndDirectoryDisk = 6;
constexpr std::size_t EndTotalEntries = 10;
constexpr std::size_t EndDirectorySize = 12;
constexpr std::size_t EndDirectoryOffset = 16;
constexpr std::size_t MaxCommentSize = 0xFFFF;

// The zip64 locator, right before the end record, and the zip64 end record.
constexpr std::size_t LocatorSize = 20;
constexpr std::size_t LocatorEndOffset = 8;
constexpr std::size_t Zip64EndSize = 56;
constexpr std::size_t Zip64EndDisk = 16;
constexpr std::size_t Zip64EndDirectoryDisk = 20;
constexpr std::size_t Zip64EndTotalEntries = 32;
constexpr std::size_t Zip64EndDirectorySize = 40;
constexpr std::size_t Zip64EndDirectoryOffset = 48;

// A central-directory file header.
constexpr std::size_t EntrySize = 46;
constexpr std::size_t EntryVersionByte = 4;
constexpr std::size_t EntryHostSystem = 5;
constexpr std::size_t EntryFlags = 8;
constexpr std::size_t EntryNameLength = 28;
constexpr std::size_t EntryExtraLength = 30;
constexpr std::size_t EntryCommentLength = 32;
constexpr std::uint64_t LocalHeaderSize = 30;

std::uint64_t little(const std::uint8_t* at, int bytes)
{
    std::uint64_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = (value << 8) | at[i];
    return value;
}

std::uint16_t u16(const std::uint8_t* at) { return static_cast<std::uint16_t>(little(at, 2)); }
std::uint32_t u32(const std::uint8_t* at) { return static_cast<std::uint32_t>(little(at, 4)); }
std::uint64_t u64(const std::uint8_t* at) { return little(at, 8); }

// Up to size bytes from offset; how many arrived.
std::size_t readUpTo(int fd, std::uint64_t offset, std::uint8_t* into, std::size_t size)
{
    std::size_t done = 0;
    while (done < size) {
        ssize_t got = ::pread(fd, into + done, size - done, static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    return done;
}

// All of size bytes from offset, or false.
bool readAt(int fd, std::uint64_t offset, std::uint8_t* into, std::size_t size)
{
    return readUpTo(fd, offset, into, size) == size;
}

struct DirectoryPlace {
    std::uint64_t offset = 0;
    std::uint64_t size = 0;
    std::uint64_t entries = 0;
};

// Where the end record at endAt puts the directory, taking the zip64 records
// when a locator lies right before it. Nothing for another disk's directory,
// or one that would not lie wholly before the end record.
std::optional<DirectoryPlace> directoryPlace(int fd, std::uint64_t endAt, const std::uint8_t* end)
{
    DirectoryPlace place {u32(end + EndDirectoryOffset), u32(end + EndDirectorySize), u16(end + EndTotalEntries)};
    bool otherDisk = u16(end + EndDisk) != 0 || u16(end + EndDirectoryDisk) != 0;
    std::uint8_t locator[LocatorSize];
    std::uint64_t directoryEnd = endAt;
    if (endAt >= LocatorSize && readAt(fd, endAt - LocatorSize, locator, LocatorSize)
        && u32(locator) == Zip64LocatorSignature) {
        std::uint64_t zip64At = u64(locator + LocatorEndOffset);
        std::uint8_t zip64[Zip64EndSize];
        if (zip64At > endAt - LocatorSize || endAt - LocatorSize - zip64At < Zip64EndSize
            || !readAt(fd, zip64At, zip64, Zip64EndSize) || u32(zip64) != Zip64EndSignature)
            return std::nullopt;
        place = {u64(zip64 + Zip64EndDirectoryOffset), u64(zip64 + Zip64EndDirectorySize),
                 u64(zip64 + Zip64EndTotalEntries)};
        otherDisk = otherDisk || u32(zip64 + Zip64EndDisk) != 0 || u32(zip64 + Zip64EndDirectoryDisk) != 0;
        directoryEnd = zip64At;
    }
    if (otherDisk || place.offset > directoryEnd || directoryEnd - place.offset < place.size
        || place.entries > place.size / EntrySize)
        return std::nullopt;
    return place;
}

std::optional<StoredDirectory> readEntries(int fd, const DirectoryPlace& place)
{
    Bytes bytes(place.size);
    if (!readAt(fd, place.offset, bytes.data(), bytes.size()))
        return std::nullopt;
    StoredDirectory directory;
    directory.entries.reserve(place.entries);
    std::vector<MemberPlace> places;
    places.reserve(place.entries);
    std::size_t at = 0;
    for (std::uint64_t i = 0; i < place.entries; ++i) {
        if (bytes.size() - at < EntrySize || u32(&bytes[at]) != EntrySignature)
            return std::nullopt;
        const std::uint8_t* header = &bytes[at];
        std::size_t nameLength = u16(header + EntryNameLength);
        std::size_t textsLength = nameLength + u16(header + EntryExtraLength) + u16(header + EntryCommentLength);
        if (bytes.size() - at - EntrySize < textsLength)
            return std::nullopt;
        if (i == 0)
            directory.oemNames = namesAreOem(header[EntryHostSystem], header[EntryVersionByte]);

        StoredEntry entry;
        entry.flags = u16(header + EntryFlags);
        entry.flagsOffset = place.offset + at + EntryFlags;
        const char* texts = reinterpret_cast<const char*>(header + EntrySize);
        entry.rawName.assign(texts, nameLength);
        std::string_view comment(texts + textsLength - u16(header + EntryCommentLength),
                                 u16(header + EntryCommentLength));
        entry.badUtf8 = (entry.flags & ZipFlagUtf8) && (!isValidUtf8(entry.rawName) || !isValidUtf8(comment));
        MemberPlace member = memberPlace(header, std::string_view(texts + nameLength, u16(header + EntryExtraLength)));
        entry.dataOutside = member.localHeader > place.offset || place.offset - member.localHeader < LocalHeaderSize
            || member.compressedSize > place.offset - member.localHeader - LocalHeaderSize;
        directory.entries.push_back(std::move(entry));
        places.push_back(member);
        at += EntrySize + textsLength;
    }
    directory.membersOverlap = !membersLieApart(
        std::move(places),
        [fd](std::uint64_t offset, std::uint8_t* into, std::size_t size) { return readUpTo(fd, offset, into, size); });
    return directory;
}

}  // namespace

std::optional<StoredDirectory> readStoredDirectory(int fd)
{
    struct stat info {};
    if (::fstat(fd, &info) != 0 || info.st_size < static_cast<off_t>(EndSize))
        return std::nullopt;
    auto fileSize = static_cast<std::uint64_t>(info.st_size);

    // The end record lies within the last 22 bytes plus the longest comment.
    // Candidates are tried from the end backwards: a comment may itself hold
    // the signature, and only a record whose directory reads counts.
    std::size_t tailSize = static_cast<std::size_t>(std::min<std::uint64_t>(fileSize, EndSize + MaxCommentSize));
    std::uint64_t tailAt = fileSize - tailSize;
    Bytes tail(tailSize);
    if (!readAt(fd, tailAt, tail.data(), tail.size()))
        return std::nullopt;
    for (std::size_t at = tailSize - EndSize + 1; at-- > 0;) {
        if (u32(&tail[at]) != EndSignature)
            continue;
        if (auto place = directoryPlace(fd, tailAt + at, &tail[at]))
            if (auto directory = readEntries(fd, *place))
                return directory;
    }
    return std::nullopt;
}

}  // namespace kst::unz
