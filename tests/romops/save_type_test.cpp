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
    {"no digits", 0x4000, {{0x1000, "EEPROM_V12x"}}, SaveKind::None, ""},
    {"not word-aligned", 0x4000, {{0x1002, "FLASH1M_V103"}}, SaveKind::None, ""},
    {"cut by the end", 0x4000, {{0x3FF8, "EEPROM_V"}}, SaveKind::None, ""},
    {"at the very end", 0x4000, {{0x3FF4, "EEPROM_V124"}}, SaveKind::Eeprom, "EEPROM_V124"},
    {"first of two", 0x4000, {{0x2000, "SRAM_V113"}, {0x400, "FLASH_V126"}}, SaveKind::Flash64, "FLASH_V126"},
    {"unaligned before aligned", 0x4000, {{0x43, "EEPROM_V124"}, {0x1000, "SRAM_V113"}}, SaveKind::Sram, "SRAM_V113"},
    {"in the carried bytes", 0x80000, {{0x40000, "FLASH1M_V102"}}, SaveKind::Flash128, "FLASH1M_V102"},
    {"across the first read's end", 0x80000, {{0x4000C, "FLASH512_V130"}}, SaveKind::Flash64, "FLASH512_V130"},
    {"in the second block", 0x80000, {{0x60000, "EEPROM_V122"}}, SaveKind::Eeprom, "EEPROM_V122"},
    {"none", 0x80000, {}, SaveKind::None, ""},
};

TEST(SaveTypeTest, FindsTheFirstIdentifierInMemoryAndInTheFile)
{
    test::TempFolder folder;
    for (const SaveCase& c : Cases) {
        std::vector<std::uint8_t> image(c.size, 0x46);  // 'F': every word could start "FLAS"
        for (const Placed& p : c.placed)
            std::memcpy(image.data() + p.offset, p.text, std::strlen(p.text));
        const SaveType inMemory = findSaveType(image);
        EXPECT_EQ(inMemory.kind, c.kind) << c.what;
        EXPECT_EQ(inMemory.identifier, c.identifier) << c.what;

        const auto path = folder / "game.gba";
        writeFileAtomically(path, image);
        RomFile file(path, RomFile::Access::ReadOnly);
        const SaveType inFile = scanSaveType(file);
        EXPECT_EQ(inFile.kind, c.kind) << c.what;
        EXPECT_EQ(inFile.identifier, c.identifier) << c.what;
    }
}

TEST(SaveTypeTest, NamesTheTypeAndSizeInWords)
{
    EXPECT_STREQ(saveTypeText(SaveKind::Flash128), "Flash 128 KB");
    EXPECT_STREQ(saveTypeText(SaveKind::Flash64), "Flash 64 KB");
    EXPECT_STREQ(saveTypeText(SaveKind::Sram), "SRAM 32 KB");
    EXPECT_STREQ(saveTypeText(SaveKind::Eeprom), "EEPROM");
    EXPECT_STREQ(saveTypeText(SaveKind::None), "none");
}

}  // namespace
}  // namespace kst::ops
