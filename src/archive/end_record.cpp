#include "archive/end_record.h"

#include "archive/archive_file.h"

namespace kst {

TEOCHInfo emptyEndRecord()
{
    TEOCHInfo end;
    end.record = {0x50, 0x4B, 0x05, 0x06};
    end.position = -1;
    return end;
}

ReadAt readerOf(const ArchiveFile& file)
{
    return [&file](std::uint64_t offset, std::uint8_t* into, std::size_t size) {
        return file.readAt(offset, into, size);
    };
}

std::optional<TEOCHInfo> findEndRecord(const ArchiveFile& file, const zip::DirectoryReads& directoryReads)
{
    std::optional<zip::EndRecord> found = zip::findEndRecord(file.size(), readerOf(file), directoryReads);
    if (!found)
        return std::nullopt;
    TEOCHInfo end;
    end.record = found->bytes;
    end.position = static_cast<std::int64_t>(found->position);
    return end;
}

zip::EndRecord formatRecord(const TEOCHInfo& end)
{
    zip::EndRecord record;
    record.bytes = end.record;
    record.position = static_cast<std::uint64_t>(end.position);
    return record;
}

std::uint16_t thisDisk(const TEOCHInfo& end)
{
    return zip::thisDisk(formatRecord(end));
}

std::uint16_t directoryDisk(const TEOCHInfo& end)
{
    return zip::directoryDisk(formatRecord(end));
}

bool isImplausible(const TEOCHInfo& end)
{
    return thisDisk(end) > 1000 || directoryDisk(end) > 1000;
}

std::optional<DirectoryPlace> directoryPlace(const ArchiveFile& file, const TEOCHInfo& end)
{
    return zip::directoryPlace(readerOf(file), formatRecord(end));
}

}  // namespace kst
