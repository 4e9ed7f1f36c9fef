#include "zipformat/member_spans.h"

#include "zipformat/zip_records.h"

#include <algorithm>

namespace kst {
namespace {

// Crc, compressed and uncompressed size, without the optional signature.
constexpr std::uint64_t SmallestDescriptor = 12;
constexpr std::uint16_t Zip64ExtraId = 0x0001;
constexpr std::uint32_t Full32 = 0xFFFFFFFF;
// Local headers closer together than this are read at once.
constexpr std::uint64_t ReadWindow = 64 * 1024;

bool addTo(std::uint64_t& sum, std::uint64_t value)
{
    if (sum > UINT64_MAX - value)
        return false;
    sum += value;
    return true;
}

}  // namespace

MemberPlace memberPlace(const std::uint8_t* centralHeader, std::string_view extraField)
{
    MemberPlace place;
    place.localHeader = zip::le32(centralHeader + zip::entry::LocalHeaderOffset);
    place.compressedSize = zip::le32(centralHeader + zip::entry::CompressedSize);
    place.dataDescriptor = zip::le16(centralHeader + zip::entry::Flags) & zip::FlagDataDescriptor;
    const bool sizeFull = zip::le32(centralHeader + zip::entry::UncompressedSize) == Full32;

    const auto* extra = reinterpret_cast<const std::uint8_t*>(extraField.data());
    for (std::size_t at = 0; at + 4 <= extraField.size();) {
        const std::uint64_t id = zip::le16(extra + at);
        const std::size_t length = std::min<std::size_t>(zip::le16(extra + at + 2), extraField.size() - at - 4);
        if (id == Zip64ExtraId) {
            // Only the full fields have a value here, in this order.
            const std::uint8_t* values = extra + at + 4;
            std::size_t next = sizeFull ? 8 : 0;
            if (place.compressedSize == Full32 && next + 8 <= length) {
                place.compressedSize = zip::le64(values + next);
                next += 8;
            }
            if (place.localHeader == Full32 && next + 8 <= length)
                place.localHeader = zip::le64(values + next);
            break;
        }
        at += 4 + length;
    }
    return place;
}

bool membersLieApart(std::vector<MemberPlace> places, const ReadAt& readAt)
{
    std::sort(places.begin(), places.end(),
              [](const MemberPlace& a, const MemberPlace& b) { return a.localHeader < b.localHeader; });
    std::vector<std::uint8_t> window;  // what arrived of the bytes [windowAt, windowEnd)
    std::uint64_t windowAt = 0;
    std::uint64_t windowEnd = 0;
    std::uint64_t covered = 0;  // end of the spans so far
    for (std::size_t i = 0; i < places.size(); ++i) {
        const MemberPlace& place = places[i];
        // No file comes near this size; the sums below cannot overflow.
        if ((i > 0 && place.localHeader < covered) || place.localHeader > UINT64_MAX / 2)
            return false;

        if (place.localHeader + zip::local::Size > windowEnd) {
            // Read from this header to the end of the last one within reach.
            windowAt = place.localHeader;
            windowEnd = place.localHeader + zip::local::Size;
            for (std::size_t j = i + 1;
                 j < places.size() && places[j].localHeader - windowAt <= ReadWindow - zip::local::Size; ++j)
                windowEnd = places[j].localHeader + zip::local::Size;
            window.resize(static_cast<std::size_t>(windowEnd - windowAt));
            window.resize(readAt(windowAt, window.data(), window.size()));
        }

        std::uint64_t end = place.localHeader;
        bool fits = addTo(end, zip::local::Size) && addTo(end, place.compressedSize)
            && addTo(end, place.dataDescriptor ? SmallestDescriptor : 0);
        // A local header that cannot be read leaves the extraction to say so;
        // its span is then the fixed part and the data.
        const std::uint64_t inWindow = place.localHeader - windowAt;
        if (inWindow + zip::local::Size <= window.size() && zip::le32(&window[inWindow]) == zip::local::Signature)
            fits = fits && addTo(end, zip::le16(&window[inWindow + zip::local::NameLength]))
                && addTo(end, zip::le16(&window[inWindow + zip::local::ExtraLength]));
        if (!fits)
            return false;
        covered = std::max(covered, end);
    }
    return true;
}

}  // namespace kst
