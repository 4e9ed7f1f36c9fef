#include "archive/damaged_directories.h"

#include <cstdio>

namespace kst::test {
namespace {

// Cuts out the bytes [from, to) and keeps the rest, end record included.
void cutOut(LaidOutZip& z, std::size_t from, std::size_t to)
{
    z.bytes.erase(z.bytes.begin() + static_cast<std::ptrdiff_t>(from), z.bytes.begin() + static_cast<std::ptrdiff_t>(to));
    z.endRecord -= to - from;
}

}  // namespace

std::vector<ZipEntry> numberedMembers(int count)
{
    std::vector<ZipEntry> result(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "roms/game-%05d.gba", i);
        result[static_cast<std::size_t>(i)].name = name;
    }
    return result;
}

std::vector<DamagedDirectory> damagedDirectories()
{
    const std::size_t firstEntry = zipArchive(numberedMembers(3), {}).directoryStart;
    const std::size_t secondEntry = firstEntry + 46 + 19;  // "roms/game-00000.gba"

    return {
        {"cut in half", [](LaidOutZip& z) { z.bytes.resize(z.bytes.size() / 2); }, true},
        {"cut inside the end record", [](LaidOutZip& z) { z.bytes.resize(z.bytes.size() - 3); }, true},
        {"directory cut short, end record kept", [=](LaidOutZip& z) { cutOut(z, secondEntry + 10, secondEntry + 40); },
         false},
        {"more entries counted than stored", [](LaidOutZip& z) { z.put16(z.endRecord + 10, 4); }, false},
        {"65,535 entries counted in a small file", [](LaidOutZip& z) { z.put16(z.endRecord + 10, 0xFFFF); }, false},
        {"name length past the end of the file", [=](LaidOutZip& z) { z.put16(secondEntry + 28, 0xFFFF); }, false},
        {"extra length past the end of the file", [=](LaidOutZip& z) { z.put16(secondEntry + 30, 0xFFFF); }, false},
        {"comment length past the end of the file", [=](LaidOutZip& z) { z.put16(secondEntry + 32, 0xFFFF); }, false},
        {"name length running into the next entry", [=](LaidOutZip& z) { z.put16(firstEntry + 28, 25); }, false},
        {"wrong entry signature", [=](LaidOutZip& z) { z.put32(secondEntry, 0x04034B50); }, false},
        {"directory size pointing into an entry", [=](LaidOutZip& z) { z.put32(z.endRecord + 12, 46 * 3 + 19 * 3 - 7); },
         false},
        {"Zip64 locator in front of a record with full fields, no Zip64 record",
         [](LaidOutZip& z) {
             z.put16(z.endRecord + 10, 0xFFFF);
             z.put32(z.endRecord - 20, 0x07064B50);
             z.put32(z.endRecord - 4, 1);
         },
         true},
        // A Zip64 record counting more entries than a listing can hold: its
        // count lies 56 + 20 - 32 bytes in front of the end record.
        {"Zip64 record claiming 2^40 entries", [](LaidOutZip& z) { z.put32(z.endRecord - 44 + 4, 0x100); }, true, true},
        {"Zip64 record claiming 0x80000000 entries", [](LaidOutZip& z) { z.put32(z.endRecord - 44, 0x80000000); }, true,
         true},
    };
}

}  // namespace kst::test
