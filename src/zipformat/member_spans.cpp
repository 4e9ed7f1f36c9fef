#include "zipformat/member_spans.h"

#include <algorithm>

namespace kst {
namespace {

constexpr std::size_t CentralFlags = 8;
constexpr std::size_t CentralCompressedSize = 20;
constexpr std::size_t CentralSize = 24;
constexpr std::size_t CentralLocalHeader = 42;
constexpr std::uint16_t FlagDataDescriptor = 0x0008;

constexpr std::uint32_t LocalSignature = 0x04034B50;
constexpr std::size_t LocalHeaderSize = 30;
constexpr std::size_t LocalNameLength = 26;
constexpr std::size_t LocalExtraLength = 28;

// Crc, compressed and uncompressed size, without the optional signature.
constexpr std::uint64_t SmallestDescriptor = 12;
constexpr std::uint16_t Zip64ExtraId = 0x0001;
constexpr std::uint32_t Full32 = 0xFFFFFFFF;
// Local headers closer together than this are read at once.
constexpr std::uint64_t ReadWindow = 64 * 1024;

std::uint64_t little(const std::uint8_t* at, int bytes)
{
    std::uint64_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = (value << 8) | at[i];
    return value;
}

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
    place.localHeader = little(centralHeader + CentralLocalHeader, 4);
    place.compressedSize = little(centralHeader + CentralCompressedSize, 4);
    place.dataDescriptor = little(centralHeader + CentralFlags, 2) & FlagDataDescriptor;
    const bool sizeFull = little(centralHeader + CentralSize, 4) == Full32;

    const auto* extra = reinterpret_cast<const std::uint8_t*>(extraField.data());
    for (std::size_t at = 0; at + 4 <= extraField.size();) {
        const std::uint64_t id = little(extra + at, 2);
        const std::size_t length = std::min<std::size_t>(little(extra + at + 2, 2), extraField.size() - at - 4);
        if (id == Zip64ExtraId) {
            // Only the full fields have a value here, in this order.
            const std::uint8_t* values = extra + at + 4;
            std::size_t next = sizeFull ? 8 : 0;
            if (place.compressedSize == Full32 && next + 8 <= length) {
                place.compressedSize = little(values + next, 8);
                next += 8;
            }
            if (place.localHeader == Full32 && next + 8 <= length)
                place.localHeader = little(values + next, 8);
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

        if (place.localHeader + LocalHeaderSize > windowEnd) {
            // Read from this header to the end of the last one within reach.
            windowAt = place.localHeader;
            windowEnd = place.localHeader + LocalHeaderSize;
            for (std::size_t j = i + 1;
                 j < places.size() && places[j].localHeader - windowAt <= ReadWindow - LocalHeaderSize; ++j)
                windowEnd = places[j].localHeader + LocalHeaderSize;
            window.resize(static_cast<std::size_t>(windowEnd - windowAt));
            window.resize(readAt(windowAt, window.data(), window.size()));
        }

        std::uint64_t end = place.localHeader;
        bool fits = addTo(end, LocalHeaderSize) && addTo(end, place.compressedSize)
            && addTo(end, place.dataDescriptor ? SmallestDescriptor : 0);
        // A local header that cannot be read leaves the extraction to say so;
        // its span is then the fixed part and the data.
        const std::uint64_t inWindow = place.localHeader - windowAt;
        if (inWindow + LocalHeaderSize <= window.size() && little(&window[inWindow], 4) == LocalSignature)
            fits = fits && addTo(end, little(&window[inWindow + LocalNameLength], 2))
                && addTo(end, little(&window[inWindow + LocalExtraLength], 2));
        if (!fits)
            return false;
        covered = std::max(covered, end);
    }
    return true;
}

}  // namespace kst
