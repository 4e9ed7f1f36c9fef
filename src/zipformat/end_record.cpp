#include "zipformat/end_record.h"

#include <algorithm>
#include <climits>
#include <vector>

namespace kst::zip {
namespace {

// The record and the longest comment it can declare.
constexpr std::size_t SearchLength = end::Size + 0xFFFF;

bool fitsAsEndRecord(const std::uint8_t* at, std::uint64_t position, std::uint64_t fileSize)
{
    return le32(at) == end::Signature && position + end::Size + le16(at + end::CommentLength) <= fileSize;
}

EndRecord endRecordAt(const std::uint8_t* at, std::uint64_t position)
{
    EndRecord record;
    std::copy(at, at + end::Size, record.bytes.begin());
    record.position = position;
    return record;
}

bool fieldsAreFull(const EndRecord& record)
{
    const std::uint8_t* r = record.bytes.data();
    return le16(r + end::TotalEntries) == 0xFFFF || le32(r + end::DirectorySize) == 0xFFFFFFFF
        || le32(r + end::DirectoryOffset) == 0xFFFFFFFF;
}

// The Zip64 record normally lies right in front of its locator; the locator's
// own offset is tried as well, which only fits when nothing precedes the archive.
std::optional<std::uint64_t> findZip64Record(const ReadAt& readAt, std::uint64_t locatorPosition,
                                             const std::uint8_t* locator)
{
    std::uint8_t record[end64::Size];
    std::vector<std::uint64_t> candidates;
    if (locatorPosition >= end64::Size)
        candidates.push_back(locatorPosition - end64::Size);
    candidates.push_back(le64(locator + locator64::RecordOffset));
    for (std::uint64_t at : candidates) {
        if (at <= locatorPosition && locatorPosition - at >= end64::Size
            && readAt(at, record, sizeof record) == sizeof record && le32(record) == end64::Signature)
            return at;
    }
    return std::nullopt;
}

}  // namespace

std::optional<EndRecord> findEndRecord(std::uint64_t fileSize, const ReadAt& readAt,
                                       const DirectoryReads& directoryReads)
{
    if (fileSize < end::Size)
        return std::nullopt;

    // Most archives end with their record: read no more than it then.
    std::uint8_t last[end::Size];
    if (readAt(fileSize - end::Size, last, sizeof last) != sizeof last)
        return std::nullopt;
    std::optional<EndRecord> fallback;
    if (fitsAsEndRecord(last, fileSize - end::Size, fileSize)) {
        fallback = endRecordAt(last, fileSize - end::Size);
        if (directoryReads(*fallback))
            return fallback;
    }

    const std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(fileSize, SearchLength));
    std::vector<std::uint8_t> tail(n);
    if (readAt(fileSize - n, tail.data(), n) != n)
        return fallback;
    // Counting down from n - 23 to 0 (n - 22, the last record, was tried
    // above); every offset tried leaves 22 bytes in the buffer.
    for (std::size_t offset = n - end::Size; offset-- > 0;) {
        if (!fitsAsEndRecord(tail.data() + offset, fileSize - n + offset, fileSize))
            continue;
        EndRecord candidate = endRecordAt(tail.data() + offset, fileSize - n + offset);
        if (directoryReads(candidate))
            return candidate;
        if (!fallback)
            fallback = candidate;
    }
    return fallback;
}

std::uint16_t thisDisk(const EndRecord& end)
{
    return le16(end.bytes.data() + end::ThisDisk);
}

std::uint16_t directoryDisk(const EndRecord& end)
{
    return le16(end.bytes.data() + end::DirectoryDisk);
}

std::optional<DirectoryPlace> directoryPlace(const ReadAt& readAt, const EndRecord& end)
{
    const std::uint8_t* r = end.bytes.data();
    DirectoryPlace place;
    place.entries = le16(r + end::TotalEntries);
    place.size = le32(r + end::DirectorySize);
    place.offset = le32(r + end::DirectoryOffset);
    place.end = end.position;

    std::uint8_t locator[locator64::Size];
    if (!fieldsAreFull(end) || end.position < locator64::Size
        || readAt(end.position - locator64::Size, locator, sizeof locator) != sizeof locator
        || le32(locator) != locator64::Signature || le32(locator + locator64::TotalDisks) > 1)
        return place;

    std::optional<std::uint64_t> at = findZip64Record(readAt, end.position - locator64::Size, locator);
    std::uint8_t record[end64::Size];
    if (!at || readAt(*at, record, sizeof record) != sizeof record || le32(record + end64::ThisDisk) != 0
        || le32(record + end64::DirectoryDisk) != 0)
        return std::nullopt;
    place.entries = le64(record + end64::TotalEntries);
    place.size = le64(record + end64::DirectorySize);
    place.offset = le64(record + end64::DirectoryOffset);
    place.end = *at;
    if (place.entries > static_cast<std::uint64_t>(INT_MAX))
        return std::nullopt;
    return place;
}

std::uint64_t directoryStart(const DirectoryPlace& place, std::uint64_t fileSize)
{
    return place.size <= place.end ? place.end - place.size : fileSize;
}

}  // namespace kst::zip
