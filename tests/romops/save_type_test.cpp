#include "platform/files.h"
#include "romops/save_type.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstring>

namespace kst::ops {
namespace {

struct Placed {
    std::size_t offset;
    const char* text;
};

struct SaveCase {
    const char* what;
    std::size_t size;
    std::vector<Placed> placed;
    SaveKind kind;
    const char* identifier;
};

// The file is read 0x40010 bytes at first; offsets from 0x40000 on are
// looked at only with the bytes carried over into the next read.
const SaveCase Cases[] = {
    {"flash 128 KB", 0x4000, {{0x1000, "FLASH1M_V103"}}, SaveKind::Flash128, "FLASH1M_V103"},
    {"flash 64 KB", 0x4000, {{0x1000, "FLASH512_V131"}}, SaveKind::Flash64, "FLASH512_V131"},
    {"old flash", 0x4000, {{0x1000, "FLASH_V126"}}, SaveKind::Flash64, "FLASH_V126"},
    {"sram", 0x4000, {{0x1000, "SRAM_V113"}}, SaveKind::Sram, "SRAM_V113"},
    {"fram", 0x4000, {{0x1000, "SRAM_F_V102"}}, SaveKind::Sram, "SRAM_F_V102"},
    {"eeprom", 0x4000, {{0x1000, "EEPROM_V124"}}, SaveKind::Eeprom, "EEPROM_V124"},
    {"version digit 9", 0x4000, {{0x1000, "SRAM_V119"}}, SaveKind::Sram, "SRAM_V119"},
    {"padded with blanks", 0x4000, {{0x1000, "FLASH1M_V   "}}, SaveKind::Flash128, "FLASH1M_V"},
    {"two digits", 0x4000, {{0x1000, "EEPROM_V12x"}}, SaveKind::Eeprom, "EEPROM_V"},
    {"not word-aligned", 0x4000, {{0x1002, "FLASH1M_V103"}}, SaveKind::None, ""},
    {"cut by the end", 0x3FFF, {{0x3FF8, "EEPROM_V"}}, SaveKind::None, ""},
    {"digits cut by the end", 0x3FFF, {{0x3FF4, "FLASH1M_V10"}}, SaveKind::Flash128, "FLASH1M_V"},
    {"ending at the very end", 0x4000, {{0x3FF4, "FLASH1M_V103"}}, SaveKind::Flash128, "FLASH1M_V103"},
    {"alone at the very end", 0x4000, {{0x3FF8, "EEPROM_V"}}, SaveKind::Eeprom, "EEPROM_V"},
    {"first of two", 0x4000, {{0x2000, "SRAM_V113"}, {0x400, "FLASH_V126"}}, SaveKind::Flash64, "FLASH_V126"},
    {"unaligned before aligned", 0x4000, {{0x43, "EEPROM_V124"}, {0x1000, "SRAM_V113"}}, SaveKind::Sram, "SRAM_V113"},
    {"in the carried bytes", 0x80000, {{0x40000, "FLASH1M_V102"}}, SaveKind::Flash128, "FLASH1M_V102"},
    {"across the first read's end", 0x80000, {{0x4000C, "FLASH512_V130"}}, SaveKind::Flash64, "FLASH512_V130"},
    {"in the second block", 0x80000, {{0x60000, "EEPROM_V122"}}, SaveKind::Eeprom, "EEPROM_V122"},
    {"none", 0x80000, {}, SaveKind::None, ""},
};

TEST(SaveTypeTest, FindsTheFirstIdentifierInMemoryAndInTheFileAndNamesIt)
{
    test::TempFolder folder;
    for (const SaveCase& c : Cases) {
        // 'F': every word could start "FLAS". Digits lie past the image's end, for a scan reading too far.
        std::vector<std::uint8_t> bytes(c.size + 3, '1');
        const std::span<std::uint8_t> image(bytes.data(), c.size);
        std::fill(image.begin(), image.end(), 0x46);
        for (const Placed& p : c.placed)
            std::memcpy(image.data() + p.offset, p.text, std::strlen(p.text));
        writeFileAtomically(folder / "game.gba", image);
        RomFile file(folder / "game.gba", RomFile::Access::ReadOnly);
        for (const SaveType& found : {findSaveType(image), scanSaveType(file)}) {  // in memory, in the file
            EXPECT_EQ(found.kind, c.kind) << c.what;
            EXPECT_EQ(found.identifier, c.identifier) << c.what;
        }
    }
    const std::pair<SaveKind, const char*> words[] = {{SaveKind::Flash128, "Flash 128 KB"},
        {SaveKind::Flash64, "Flash 64 KB"}, {SaveKind::Sram, "SRAM 32 KB"}, {SaveKind::Eeprom, "EEPROM"},
        {SaveKind::None, "none"}};
    for (const auto& [kind, word] : words)
        EXPECT_STREQ(saveTypeText(kind), word);
}

}  // namespace
}  // namespace kst::ops
