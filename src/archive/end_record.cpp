#include "archive/end_record.h"

#include "archive/archive_file.h"
#include "zipformat/zip_records.h"

#include <algorithm>
#include <climits>
#include <vector>

namespace kst {
namespace {

// The record and the longest comment it can declare.
constexpr std::size_t SearchLength = zip::end::Size + 0xFFFF;

bool fitsAsEndRecord(const std::uint8_t* at, std::uint64_t position, std::uint64_t fileSize)
{
    return zip::le32(at) == zip::end::Signature
        && position + zip::end::Size + zip::le16(at + zip::end::CommentLength) <= fileSize;
}

TEOCHInfo endRecordAt(const std::uint8_t* at, std::uint64_t position)
{
    TEOCHInfo end;
    std::copy(at, at + zip::end::Size, end.record.begin());
    end.position = static_cast<std::int64_t>(position);
    return end;
}

bool fieldsAreFull(const TEOCHInfo& end)
{
    const std::uint8_t* r = end.record.data();
    return zip::le16(r + zip::end::TotalEntries) == 0xFFFF || zip::le32(r + zip::end::DirectorySize) == 0xFFFFFFFF
        || zip::le32(r + zip::end::DirectoryOffset) == 0xFFFFFFFF;
}

// The Zip64 record normally lies right in front of its locator; the locator's
// own offset is tried as well, which only fits when nothing precedes the archive.
std::optional<std::uint64_t> findZip64Record(const ArchiveFile& file, std::uint64_t locatorPosition,
                                             const std::uint8_t* locator)
{
    std::uint8_t record[zip::end64::Size];
    std::vector<std::uint64_t> candidates;
    if (locatorPosition >= zip::end64::Size)
        candidates.push_back(locatorPosition - zip::end64::Size);
    candidates.push_back(zip::le64(locator + zip::locator64::RecordOffset));
    for (std::uint64_t at : candidates) {
        if (at <= locatorPosition && locatorPosition - at >= zip::end64::Size
            && file.readAt(at, record, sizeof record) == sizeof record && zip::le32(record) == zip::end64::Signature)
            return at;
    }
    return std::nullopt;
}

}  // namespace

TEOCHInfo emptyEndRecord()
{
    TEOCHInfo end;
    end.record = {0x50, 0x4B, 0x05, 0x06};
    end.position = -1;
    return end;
}

std::optional<TEOCHInfo> findEndRecord(const ArchiveFile& file)
{
    const std::uint64_t size = file.size();
    if (size < zip::end::Size)
        return std::nullopt;

    std::uint8_t last[zip::end::Size];
    if (file.readAt(size - zip::end::Size, last, sizeof last) != sizeof last)
        return std::nullopt;
    if (fitsAsEndRecord(last, size - zip::end::Size, size))
        return endRecordAt(last, size - zip::end::Size);

    const std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(size, SearchLength));
    std::vector<std::uint8_t> tail(n);
    if (file.readAt(size - n, tail.data(), n) != n)
        return std::nullopt;
    // Counting down from n - 22 to 0; every offset tried leaves 22 bytes in the buffer.
    for (std::size_t offset = n - zip::end::Size + 1; offset-- > 0;) {
        if (fitsAsEndRecord(tail.data() + offset, size - n + offset, size))
            return endRecordAt(tail.data() + offset, size - n + offset);
    }
    return std::nullopt;
}

std::uint16_t thisDisk(const TEOCHInfo& end)
{
    return zip::le16(end.record.data() + zip::end::ThisDisk);
}

std::uint16_t directoryDisk(const TEOCHInfo& end)
{
    return zip::le16(end.record.data() + zip::end::DirectoryDisk);
}

bool isImplausible(const TEOCHInfo& end)
{
    return thisDisk(end) > 1000 || directoryDisk(end) > 1000;
}

std::optional<DirectoryPlace> directoryPlace(const ArchiveFile& file, const TEOCHInfo& end)
{
    const std::uint8_t* r = end.record.data();
    DirectoryPlace place;
    place.entries = zip::le16(r + zip::end::TotalEntries);
    place.size = zip::le32(r + zip::end::DirectorySize);
    place.offset = zip::le32(r + zip::end::DirectoryOffset);
    place.end = static_cast<std::uint64_t>(end.position);

    std::uint8_t locator[zip::locator64::Size];
    const auto endPosition = static_cast<std::uint64_t>(end.position);
    if (!fieldsAreFull(end) || endPosition < zip::locator64::Size
        || file.readAt(endPosition - zip::locator64::Size, locator, sizeof locator) != sizeof locator
        || zip::le32(locator) != zip::locator64::Signature || zip::le32(locator + zip::locator64::TotalDisks) > 1)
        return place;

    std::optional<std::uint64_t> at = findZip64Record(file, endPosition - zip::locator64::Size, locator);
    std::uint8_t record[zip::end64::Size];
    if (!at || file.readAt(*at, record, sizeof record) != sizeof record
        || zip::le32(record + zip::end64::ThisDisk) != 0 || zip::le32(record + zip::end64::DirectoryDisk) != 0)
        return std::nullopt;
    place.entries = zip::le64(record + zip::end64::TotalEntries);
    place.size = zip::le64(record + zip::end64::DirectorySize);
    place.offset = zip::le64(record + zip::end64::DirectoryOffset);
    place.end = *at;
    if (place.entries > static_cast<std::uint64_t>(INT_MAX))
        return std::nullopt;
    return place;
}

}  // namespace kst
