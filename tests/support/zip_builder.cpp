#include "support/zip_builder.h"

#include <array>

namespace kst::test {
namespace {

void add16(Bytes& out, std::uint16_t v)
{
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void add32(Bytes& out, std::uint32_t v)
{
    add16(out, static_cast<std::uint16_t>(v));
    add16(out, static_cast<std::uint16_t>(v >> 16));
}

void add64(Bytes& out, std::uint64_t v)
{
    add32(out, static_cast<std::uint32_t>(v));
    add32(out, static_cast<std::uint32_t>(v >> 32));
}

void addText(Bytes& out, const std::string& text)
{
    out.insert(out.end(), text.begin(), text.end());
}

}  // namespace

void BuiltZip::put16(std::size_t at, std::uint16_t value)
{
    bytes.at(at) = static_cast<std::uint8_t>(value);
    bytes.at(at + 1) = static_cast<std::uint8_t>(value >> 8);
}

void BuiltZip::put32(std::size_t at, std::uint32_t value)
{
    put16(at, static_cast<std::uint16_t>(value));
    put16(at + 2, static_cast<std::uint16_t>(value >> 16));
}

ZipMember zipMember(std::string name, const std::string& data, std::uint8_t hostSystem, std::uint16_t flags)
{
    ZipMember m;
    m.name = std::move(name);
    m.data.assign(data.begin(), data.end());
    m.hostSystem = hostSystem;
    m.flags = flags;
    return m;
}

std::uint32_t crc32Of(const Bytes& data)
{
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t c = i;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::uint8_t b : data)
        crc = table[(crc ^ b) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

BuiltZip buildZip(const std::vector<ZipMember>& members, const ZipLayout& layout)
{
    BuiltZip zip;
    Bytes& out = zip.bytes;
    out = layout.prefix;
    const std::size_t base = layout.prefix.size();
    std::vector<std::uint32_t> localOffsets;
    std::vector<std::uint32_t> crcs;
    for (const ZipMember& m : members) {
        localOffsets.push_back(static_cast<std::uint32_t>(out.size() - base));
        crcs.push_back(crc32Of(m.data));
        add32(out, 0x04034B50);
        add16(out, m.version);
        add16(out, m.flags);
        add16(out, 0);       // stored
        add16(out, 0x6000);  // 12:00
        add16(out, 0x5021);  // 2020-01-01
        add32(out, crcs.back());
        add32(out, static_cast<std::uint32_t>(m.data.size()));
        add32(out, static_cast<std::uint32_t>(m.data.size()));
        add16(out, static_cast<std::uint16_t>(m.name.size()));
        add16(out, 0);
        addText(out, m.name);
        out.insert(out.end(), m.data.begin(), m.data.end());
    }
    zip.directoryStart = out.size();
    for (std::size_t i = 0; i < members.size(); ++i) {
        const ZipMember& m = members[i];
        add32(out, 0x02014B50);
        out.push_back(m.version);
        out.push_back(m.hostSystem);
        add16(out, 20);
        add16(out, m.flags);
        add16(out, 0);
        add16(out, 0x6000);
        add16(out, 0x5021);
        add32(out, crcs[i]);
        add32(out, static_cast<std::uint32_t>(m.data.size()));
        add32(out, static_cast<std::uint32_t>(m.data.size()));
        add16(out, static_cast<std::uint16_t>(m.name.size()));
        add16(out, static_cast<std::uint16_t>(m.extra.size()));
        add16(out, static_cast<std::uint16_t>(m.comment.size()));
        add16(out, 0);                                     // disk number
        add16(out, 0);                                     // internal attributes
        add32(out, m.hostSystem == 3 ? 0100644u << 16 : 0);  // external attributes
        add32(out, localOffsets[i]);
        addText(out, m.name);
        addText(out, m.extra);
        addText(out, m.comment);
    }
    const std::uint64_t directorySize = out.size() - zip.directoryStart;
    const std::uint64_t directoryOffset = zip.directoryStart - base;
    const std::uint64_t count = members.size();
    if (layout.zip64) {
        const std::uint64_t recordOffset = out.size() - base;
        add32(out, 0x06064B50);
        add64(out, 44);
        add16(out, 45);
        add16(out, 45);
        add32(out, 0);
        add32(out, 0);
        add64(out, count);
        add64(out, count);
        add64(out, directorySize);
        add64(out, directoryOffset);
        add32(out, 0x07064B50);
        add32(out, 0);
        add64(out, recordOffset);
        add32(out, 1);
    }
    zip.endRecord = out.size();
    add32(out, 0x06054B50);
    add16(out, layout.thisDisk);
    add16(out, layout.directoryDisk);
    const auto classicCount = static_cast<std::uint16_t>(layout.zip64 || count > 0xFFFF ? 0xFFFF : count);
    add16(out, classicCount);
    add16(out, classicCount);
    add32(out, layout.zip64 ? 0xFFFFFFFFu : static_cast<std::uint32_t>(directorySize));
    add32(out, layout.zip64 ? 0xFFFFFFFFu : static_cast<std::uint32_t>(directoryOffset));
    add16(out, static_cast<std::uint16_t>(layout.comment.size()));
    addText(out, layout.comment);
    return zip;
}

}  // namespace kst::test
