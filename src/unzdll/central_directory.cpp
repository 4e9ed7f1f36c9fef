#include "unzdll/central_directory.h"

#include "zipformat/member_name.h"
#include "zipformat/member_spans.h"
#include "zipformat/zip_records.h"

#include <algorithm>
#include <cerrno>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace kst::unz {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t MaxCommentSize = 0xFFFF;

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
    DirectoryPlace place {zip::le32(end + zip::end::DirectoryOffset), zip::le32(end + zip::end::DirectorySize), zip::le16(end + zip::end::TotalEntries)};
    bool otherDisk = zip::le16(end + zip::end::ThisDisk) != 0 || zip::le16(end + zip::end::DirectoryDisk) != 0;
    std::uint8_t locator[zip::locator64::Size];
    std::uint64_t directoryEnd = endAt;
    if (endAt >= zip::locator64::Size && readAt(fd, endAt - zip::locator64::Size, locator, zip::locator64::Size)
        && zip::le32(locator) == zip::locator64::Signature) {
        std::uint64_t zip64At = zip::le64(locator + zip::locator64::RecordOffset);
        std::uint8_t zip64[zip::end64::Size];
        if (zip64At > endAt - zip::locator64::Size || endAt - zip::locator64::Size - zip64At < zip::end64::Size
            || !readAt(fd, zip64At, zip64, zip::end64::Size) || zip::le32(zip64) != zip::end64::Signature)
            return std::nullopt;
        place = {zip::le64(zip64 + zip::end64::DirectoryOffset), zip::le64(zip64 + zip::end64::DirectorySize),
                 zip::le64(zip64 + zip::end64::TotalEntries)};
        otherDisk = otherDisk || zip::le32(zip64 + zip::end64::ThisDisk) != 0 || zip::le32(zip64 + zip::end64::DirectoryDisk) != 0;
        directoryEnd = zip64At;
    }
    if (otherDisk || place.offset > directoryEnd || directoryEnd - place.offset < place.size
        || place.entries > place.size / zip::entry::Size)
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
        if (bytes.size() - at < zip::entry::Size || zip::le32(&bytes[at]) != zip::entry::Signature)
            return std::nullopt;
        const std::uint8_t* header = &bytes[at];
        std::size_t nameLength = zip::le16(header + zip::entry::NameLength);
        std::size_t textsLength = nameLength + zip::le16(header + zip::entry::ExtraLength) + zip::le16(header + zip::entry::CommentLength);
        if (bytes.size() - at - zip::entry::Size < textsLength)
            return std::nullopt;
        if (i == 0)
            directory.oemNames = namesAreOem(header[zip::entry::HostSystem], header[zip::entry::Version]);

        StoredEntry entry;
        entry.flags = zip::le16(header + zip::entry::Flags);
        entry.flagsOffset = place.offset + at + zip::entry::Flags;
        const char* texts = reinterpret_cast<const char*>(header + zip::entry::Size);
        entry.rawName.assign(texts, nameLength);
        std::string_view comment(texts + textsLength - zip::le16(header + zip::entry::CommentLength),
                                 zip::le16(header + zip::entry::CommentLength));
        entry.badUtf8 = (entry.flags & ZipFlagUtf8) && (!isValidUtf8(entry.rawName) || !isValidUtf8(comment));
        MemberPlace member = memberPlace(header, std::string_view(texts + nameLength, zip::le16(header + zip::entry::ExtraLength)));
        entry.dataOutside = member.localHeader > place.offset || place.offset - member.localHeader < zip::local::Size
            || member.compressedSize > place.offset - member.localHeader - zip::local::Size;
        directory.entries.push_back(std::move(entry));
        places.push_back(member);
        at += zip::entry::Size + textsLength;
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
    if (::fstat(fd, &info) != 0 || info.st_size < static_cast<off_t>(zip::end::Size))
        return std::nullopt;
    auto fileSize = static_cast<std::uint64_t>(info.st_size);

    // The end record lies within the last 22 bytes plus the longest comment.
    // Candidates are tried from the end backwards: a comment may itself hold
    // the signature, and only a record whose directory reads counts.
    std::size_t tailSize = static_cast<std::size_t>(std::min<std::uint64_t>(fileSize, zip::end::Size + MaxCommentSize));
    std::uint64_t tailAt = fileSize - tailSize;
    Bytes tail(tailSize);
    if (!readAt(fd, tailAt, tail.data(), tail.size()))
        return std::nullopt;
    for (std::size_t at = tailSize - zip::end::Size + 1; at-- > 0;) {
        if (zip::le32(&tail[at]) != zip::end::Signature)
            continue;
        if (auto place = directoryPlace(fd, tailAt + at, &tail[at]))
            if (auto directory = readEntries(fd, *place))
                return directory;
    }
    return std::nullopt;
}

}  // namespace kst::unz
