#include "support/zip_writer.h"

#include <stdexcept>
#include <zlib.h>

namespace kst::test {
namespace {

constexpr std::uint16_t kDosTime = 0;
constexpr std::uint16_t kDosDate = (40 << 9) | (1 << 5) | 1;  // 2020-01-01

void put16(Bytes& out, std::uint32_t value)
{
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put32(Bytes& out, std::uint32_t value)
{
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

void put64(Bytes& out, std::uint64_t value)
{
    put32(out, static_cast<std::uint32_t>(value));
    put32(out, static_cast<std::uint32_t>(value >> 32));
}

void putBytes(Bytes& out, const void* data, std::size_t size)
{
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    out.insert(out.end(), bytes, bytes + size);
}

// Raw deflate (no zlib header) of data; flush decides whether the stream ends.
Bytes deflateRaw(const Bytes& data, int flush)
{
    z_stream stream {};
    if (deflateInit2(&stream, Z_BEST_SPEED, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        throw std::runtime_error("deflateInit2");
    Bytes out(deflateBound(&stream, data.size()) + 64);
    stream.next_in = const_cast<Bytef*>(data.data());
    stream.avail_in = static_cast<uInt>(data.size());
    stream.next_out = out.data();
    stream.avail_out = static_cast<uInt>(out.size());
    int result = deflate(&stream, flush);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    if (result != Z_OK && result != Z_STREAM_END)
        throw std::runtime_error("deflate");
    return out;
}

// From "version needed" to the extra field's length: the same in the local
// and the central header but for the extra field, which only the central one has.
void putSharedFields(Bytes& out, const ZipEntry& entry, std::size_t extraLength)
{
    put16(out, 20);
    put16(out, entry.flags);
    put16(out, entry.method);
    put16(out, kDosTime);
    put16(out, kDosDate);
    put32(out, entry.crc);
    put32(out, static_cast<std::uint32_t>(entry.stored.size()));
    put32(out, entry.size);
    put16(out, static_cast<std::uint32_t>(entry.name.size()));
    put16(out, static_cast<std::uint32_t>(extraLength));
}

std::uint32_t crcOf(const Bytes& data)
{
    return static_cast<std::uint32_t>(crc32(0, data.data(), static_cast<uInt>(data.size())));
}

}  // namespace

ZipEntry storedEntry(std::string name, const Bytes& data)
{
    ZipEntry entry;
    entry.name = std::move(name);
    entry.stored = data;
    entry.crc = crcOf(data);
    entry.size = static_cast<std::uint32_t>(data.size());
    return entry;
}

ZipEntry deflatedEntry(std::string name, const Bytes& data)
{
    ZipEntry entry = storedEntry(std::move(name), data);
    entry.method = 8;
    entry.stored = deflateRaw(data, Z_FINISH);
    return entry;
}

Bytes deflatedZeros(std::uint64_t size)
{
    // Blocks ended by a full flush are byte-aligned and refer to nothing
    // before them, so one compressed mebibyte can simply be repeated.
    constexpr std::uint64_t kBlock = 1 << 20;
    const Bytes block = deflateRaw(Bytes(kBlock, 0), Z_FULL_FLUSH);
    Bytes out;
    for (std::uint64_t done = 0; done + kBlock <= size; done += kBlock)
        out.insert(out.end(), block.begin(), block.end());
    Bytes rest = deflateRaw(Bytes(size % kBlock, 0), Z_FULL_FLUSH);
    out.insert(out.end(), rest.begin(), rest.end());
    Bytes end = deflateRaw({}, Z_FINISH);
    out.insert(out.end(), end.begin(), end.end());
    return out;
}

std::vector<ZipEntry> sharedDataBomb(const ZipEntry& entry, int count)
{
    std::vector<ZipEntry> entries(static_cast<std::size_t>(count), entry);
    for (int i = 0; i < count; ++i) {
        entries[static_cast<std::size_t>(i)].name = std::to_string(i) + entry.name;
        entries[static_cast<std::size_t>(i)].sharesDataOf = i == 0 ? -1 : 0;
    }
    return entries;
}

void LaidOutZip::put16(std::size_t at, std::uint16_t value)
{
    bytes.at(at) = static_cast<std::uint8_t>(value);
    bytes.at(at + 1) = static_cast<std::uint8_t>(value >> 8);
}

void LaidOutZip::put32(std::size_t at, std::uint32_t value)
{
    put16(at, static_cast<std::uint16_t>(value));
    put16(at + 2, static_cast<std::uint16_t>(value >> 16));
}

LaidOutZip zipArchive(const std::vector<ZipEntry>& entries, const ZipLayout& layout)
{
    LaidOutZip zip;
    Bytes& out = zip.bytes;
    out = layout.prefix;
    const std::size_t base = layout.prefix.size();
    std::vector<std::uint32_t> offsets;
    for (const ZipEntry& entry : entries) {
        if (entry.sharesDataOf >= 0) {
            offsets.push_back(offsets.at(static_cast<std::size_t>(entry.sharesDataOf)));
            continue;
        }
        offsets.push_back(static_cast<std::uint32_t>(out.size() - base));
        put32(out, 0x04034B50);
        putSharedFields(out, entry, 0);
        putBytes(out, entry.name.data(), entry.name.size());
        putBytes(out, entry.stored.data(), entry.stored.size());
    }

    zip.directoryStart = out.size();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const ZipEntry& entry = entries[i];
        put32(out, 0x02014B50);
        Bytes extra(entry.extra.begin(), entry.extra.end());
        if (entry.zip64Offset) {
            put16(extra, 0x0001);
            put16(extra, 8);
            put64(extra, offsets[i]);
        }
        put16(out, entry.version | (entry.host << 8));
        putSharedFields(out, entry, extra.size());
        put16(out, static_cast<std::uint32_t>(entry.comment.size()));
        put16(out, 0);  // disk
        put16(out, 0);  // internal attributes
        put32(out, entry.host == 3 ? 0100644u << 16 : 0);
        put32(out, entry.zip64Offset ? 0xFFFFFFFFu : offsets[i]);
        putBytes(out, entry.name.data(), entry.name.size());
        putBytes(out, extra.data(), extra.size());
        putBytes(out, entry.comment.data(), entry.comment.size());
    }
    const std::uint64_t directorySize = out.size() - zip.directoryStart;
    const std::uint64_t directoryOffset = zip.directoryStart - base;

    const bool zip64 = layout.zip64 || entries.size() > 0xFFFF;
    if (zip64) {
        std::uint64_t recordAt = out.size() - base;
        put32(out, 0x06064B50);
        put64(out, 44);
        put16(out, 45);
        put16(out, 45);
        put32(out, 0);
        put32(out, 0);
        put64(out, entries.size());
        put64(out, entries.size());
        put64(out, directorySize);
        put64(out, directoryOffset);
        put32(out, 0x07064B50);
        put32(out, 0);
        put64(out, recordAt);
        put32(out, 1);
    }
    zip.endRecord = out.size();
    std::uint32_t count = zip64 ? 0xFFFF : static_cast<std::uint32_t>(entries.size());
    put32(out, 0x06054B50);
    put16(out, layout.thisDisk);
    put16(out, layout.directoryDisk);
    put16(out, count);
    put16(out, count);
    put32(out, layout.zip64 ? 0xFFFFFFFFu : static_cast<std::uint32_t>(directorySize));
    put32(out, layout.zip64 ? 0xFFFFFFFFu : static_cast<std::uint32_t>(directoryOffset));
    put16(out, static_cast<std::uint32_t>(layout.comment.size()));
    putBytes(out, layout.comment.data(), layout.comment.size());
    return zip;
}

Bytes zipArchive(const std::vector<ZipEntry>& entries)
{
    return zipArchive(entries, ZipLayout()).bytes;
}

std::string fakeEndRecordComment()
{
    std::string record("PK\x05\x06", 4);
    record += std::string(4, '\0') + std::string("\x01\0\x01\0", 4) + std::string("\x2E\0\0\0", 4)
        + std::string(6, '\0');
    return std::string(64, 'x') + record;
}

}  // namespace kst::test
