#include "unzdll/central_directory.h"

#include "zipformat/end_record.h"
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

// The directory as the end record places it, read from start: counted back
// from the end record, so that data in front of the archive moves it.
std::optional<StoredDirectory> readEntries(int fd, const zip::DirectoryPlace& place, std::uint64_t start)
{
    // Data in front moves every offset by the same amount; a directory lying
    // before its recorded offset would put members before the file's start.
    if (start < place.offset || place.entries > place.size / zip::entry::Size)
        return std::nullopt;
    Bytes bytes(place.size);
    if (!readAt(fd, start, bytes.data(), bytes.size()))
        return std::nullopt;
    StoredDirectory directory;
    directory.archiveStart = start - place.offset;
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
        entry.flagsOffset = start + at + zip::entry::Flags;
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
        [fd, shift = directory.archiveStart](std::uint64_t offset, std::uint8_t* into, std::size_t size) {
            return offset > UINT64_MAX - shift ? 0 : readUpTo(fd, offset + shift, into, size);
        });
    return directory;
}

}  // namespace

std::optional<StoredDirectory> readStoredDirectory(int fd)
{
    struct stat info {};
    if (::fstat(fd, &info) != 0 || info.st_size < 0)
        return std::nullopt;
    const auto fileSize = static_cast<std::uint64_t>(info.st_size);
    const ReadAt readAt = [fd](std::uint64_t offset, std::uint8_t* into, std::size_t size) {
        return readUpTo(fd, offset, into, size);
    };
    // Read for each candidate end record; the one found keeps its directory.
    std::optional<StoredDirectory> directory;
    zip::findEndRecord(fileSize, readAt, [&](const zip::EndRecord& end) {
        directory.reset();
        // The members of a set of disks lie on other disks.
        if (zip::thisDisk(end) != 0 || zip::directoryDisk(end) != 0)
            return false;
        if (std::optional<zip::DirectoryPlace> place = zip::directoryPlace(readAt, end))
            directory = readEntries(fd, *place, zip::directoryStart(*place, fileSize));
        return directory.has_value();
    });
    return directory;
}

}  // namespace kst::unz
