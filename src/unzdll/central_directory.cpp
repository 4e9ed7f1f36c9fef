#include "unzdll/central_directory.h"

#include "zipformat/bounded_reader.h"
#include "zipformat/directory_entries.h"
#include "zipformat/end_record.h"
#include "zipformat/member_name.h"
#include "zipformat/member_spans.h"
#include "zipformat/zip_records.h"

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace kst::unz {
namespace {

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

ReadAt readerOf(int fd)
{
    return [fd](std::uint64_t offset, std::uint8_t* into, std::size_t size) { return readUpTo(fd, offset, into, size); };
}

// The directory as the end record places it, read from start: counted back
// from the end record, so that data in front of the archive moves it.
std::optional<StoredDirectory> readEntries(int fd, std::uint64_t fileSize, const zip::DirectoryPlace& place,
                                           std::uint64_t start)
{
    // Data in front moves every offset by the same amount; a directory lying
    // before its recorded offset would put members before the file's start.
    if (start < place.offset)
        return std::nullopt;
    BoundedReader reader(readerOf(fd), fileSize, start);
    StoredDirectory directory;
    directory.archiveStart = start - place.offset;
    const auto fit = static_cast<std::size_t>(std::min(place.entries, reader.left() / zip::entry::Size));
    directory.entries.reserve(fit);
    std::vector<MemberPlace> places;
    places.reserve(fit);
    std::uint64_t at = start;  // where the entry lies in the file
    const bool read = zip::readEntries(reader, place.entries, [&](const zip::RawEntry& raw, std::uint64_t index) {
        const std::uint8_t* header = raw.header.data();
        if (index == 0)
            directory.oemNames = namesAreOem(header[zip::entry::HostSystem], header[zip::entry::Version]);
        StoredEntry entry;
        entry.flags = zip::le16(header + zip::entry::Flags);
        entry.flagsOffset = at + zip::entry::Flags;
        entry.rawName = raw.name;
        entry.badUtf8 = (entry.flags & ZipFlagUtf8) && (!isValidUtf8(raw.name) || !isValidUtf8(raw.comment));
        MemberPlace member = memberPlace(header, raw.extra);
        entry.dataOutside = member.localHeader > place.offset || place.offset - member.localHeader < zip::local::Size
            || member.compressedSize > place.offset - member.localHeader - zip::local::Size;
        directory.entries.push_back(std::move(entry));
        places.push_back(member);
        at += zip::entry::Size + raw.name.size() + raw.extra.size() + raw.comment.size();
    });
    if (!read)
        return std::nullopt;
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
    const ReadAt readAt = readerOf(fd);
    // Read for each candidate end record; the one found keeps its directory.
    std::optional<StoredDirectory> directory;
    zip::findEndRecord(fileSize, readAt, [&](const zip::EndRecord& end) {
        directory.reset();
        // The members of a set of disks lie on other disks.
        if (zip::thisDisk(end) != 0 || zip::directoryDisk(end) != 0)
            return false;
        if (std::optional<zip::DirectoryPlace> place = zip::directoryPlace(readAt, end))
            directory = readEntries(fd, fileSize, *place, zip::directoryStart(*place, fileSize));
        return directory.has_value();
    });
    return directory;
}

}  // namespace kst::unz
