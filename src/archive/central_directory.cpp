#include "archive/central_directory.h"

#include "archive/archive_file.h"
#include "archive/end_record.h"
#include "zipformat/directory_entries.h"
#include "zipformat/member_file_name.h"
#include "zipformat/zip_records.h"
#include "zipformat/member_name.h"
#include "zipformat/member_spans.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

namespace kst {

std::optional<CentralDirectory> readCentralDirectory(std::unique_ptr<ArchiveFile>& file, std::uint64_t start,
                                                     std::uint64_t count, const NextDisk& nextDisk)
{
    CentralDirectory directory;
    std::optional<BoundedReader> reader(std::in_place, readerOf(*file), file->size(), start);
    directory.entries.reserve(static_cast<std::size_t>(std::min(count, reader->left() / zip::entry::Size)));
    zip::NextReader nextReader;
    if (nextDisk) {
        nextReader = [&]() -> BoundedReader* {
            // The file is closed before the user is asked for the next disk.
            reader.reset();
            file.reset();
            file = nextDisk();
            if (!file)
                return nullptr;
            return &reader.emplace(readerOf(*file), file->size(), 0);
        };
    }
    const bool read = zip::readEntries(
        *reader, count,
        [&](const zip::RawEntry& raw, std::uint64_t index) {
            const std::uint8_t* h = raw.header.data();
            if (index == 0)
                directory.oemNames = namesAreOem(h[zip::entry::HostSystem], h[zip::entry::Version]);
            TFileInfo& entry = directory.entries.emplace_back();
            const std::uint16_t flags = zip::le16(h + zip::entry::Flags);
            // The unzip module takes "\" for a folder separator as well; the name
            // the program keeps is the path the module writes.
            entry.name = zip::withSlashes(decodeMemberText(raw.name, flags, directory.oemNames));
            entry.comment = decodeMemberText(raw.comment, flags, directory.oemNames);
            entry.extraField = raw.extra;
            entry.header = raw.header;
            entry.encrypted = static_cast<std::uint8_t>(flags & zip::FlagEncrypted);
        },
        nextReader);
    if (!read)
        return std::nullopt;
    return directory;
}

bool membersLieApart(const std::vector<TFileInfo>& entries, const ArchiveFile& file, std::int64_t shift)
{
    std::vector<MemberPlace> places;
    places.reserve(entries.size());
    for (const TFileInfo& entry : entries)
        places.push_back(memberPlace(entry.header.data(), entry.extraField));
    return membersLieApart(std::move(places), [&](std::uint64_t offset, std::uint8_t* into, std::size_t size) {
        if (shift < 0 && offset < static_cast<std::uint64_t>(-shift))
            return std::size_t {0};
        return file.readAt(offset + static_cast<std::uint64_t>(shift), into, size);
    });
}

}  // namespace kst
