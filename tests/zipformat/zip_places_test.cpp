// Where the records and members of an archive lie: the end record among
// look-alikes in a comment, and the bytes each member spans.

#include "zipformat/end_record.h"
#include "zipformat/member_spans.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

namespace kst::zip {
namespace {

using Bytes = std::vector<std::uint8_t>;

void put16(Bytes& b, std::size_t at, std::uint16_t v)
{
    b[at] = static_cast<std::uint8_t>(v), b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

void put32(Bytes& b, std::size_t at, std::uint32_t v)
{
    put16(b, at, static_cast<std::uint16_t>(v)), put16(b, at + 2, static_cast<std::uint16_t>(v >> 16));
}

ReadAt readerOf(const Bytes& bytes)
{
    return [&bytes](std::uint64_t offset, std::uint8_t* into, std::size_t size) -> std::size_t {
        if (offset >= bytes.size())
            return 0;
        const std::size_t n = std::min<std::size_t>(size, bytes.size() - offset);
        std::memcpy(into, bytes.data() + offset, n);
        return n;
    };
}

// End-record signatures at the given places of a 200-byte file, each with a
// comment that runs exactly to the end; which of them has a directory that reads.
TEST(EndRecordSearch, TakesTheLastThatReadsElseTheLastThatFits)
{
    struct Row {
        const char* name;
        std::vector<std::size_t> records;
        std::optional<std::size_t> reads;
        std::optional<std::size_t> found;
    };
    const Row rows[] = {
        {"the last reads", {40, 100, 178}, 178, 178},
        {"an earlier one reads", {40, 100, 178}, 40, 40},
        {"none reads: the last that fits", {40, 100, 178}, std::nullopt, 178},
        {"none reads, none at the very end: the latest", {40, 100, 150}, std::nullopt, 150},
        {"no signature", {}, std::nullopt, std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Bytes file(200, 0);
        for (std::size_t at : row.records) {
            put32(file, at, end::Signature);
            put16(file, at + end::CommentLength, static_cast<std::uint16_t>(file.size() - at - end::Size));
        }
        const std::optional<EndRecord> found = findEndRecord(
            file.size(), readerOf(file), [&](const EndRecord& r) { return row.reads && r.position == *row.reads; });
        EXPECT_EQ(found ? std::optional<std::size_t>(found->position) : std::nullopt, row.found);
    }
}

// Two stored members, the second right behind the first's data, or further
// on; the first with a data descriptor or not.
TEST(MemberSpans, ADataDescriptorTakesItsBytes)
{
    struct Row {
        const char* name;
        bool descriptor;
        std::uint64_t gap;  // bytes between the first member's data and the second's header
        bool apart;
    };
    const Row rows[] = {
        {"no descriptor, no gap", false, 0, true},
        {"descriptor in no room", true, 0, false},
        {"descriptor in 11 bytes", true, 11, false},
        {"descriptor in its 12 bytes", true, 12, true},
    };
    constexpr std::uint64_t DataSize = 10;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::uint64_t second = local::Size + DataSize + row.gap;
        Bytes file(second + local::Size + DataSize, 0);
        put32(file, 0, local::Signature);
        put32(file, second, local::Signature);
        const std::vector<MemberPlace> places{{0, DataSize, row.descriptor}, {second, DataSize, false}};
        EXPECT_EQ(membersLieApart(places, readerOf(file)), row.apart);
    }
}

}  // namespace
}  // namespace kst::zip
