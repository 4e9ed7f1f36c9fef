#include "zipformat/directory_entries.h"

namespace kst::zip {

bool readEntries(BoundedReader& first, std::uint64_t count, const OnEntry& onEntry, const NextReader& nextReader)
{
    BoundedReader* reader = &first;
    RawEntry entry;
    for (std::uint64_t i = 0; i < count; ++i) {
        while (!reader->read(entry.header.data(), entry.header.size())) {
            if (!nextReader || !(reader = nextReader()))
                return false;
        }
        const std::uint8_t* h = entry.header.data();
        if (le32(h) != entry::Signature || !reader->readText(le16(h + entry::NameLength), entry.name)
            || !reader->readText(le16(h + entry::ExtraLength), entry.extra)
            || !reader->readText(le16(h + entry::CommentLength), entry.comment))
            return false;
        onEntry(entry, i);
    }
    return true;
}

}  // namespace kst::zip
