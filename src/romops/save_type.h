#pragma once

#include "core/texts.h"

#include <cstdint>
#include <span>
#include <string>

namespace kst {
class RomFile;
}

namespace kst::ops {

// The save hardware a game expects, as the save library it links tells.
enum class SaveKind { None, Eeprom, Sram, Flash64, Flash128 };

struct SaveType {
    SaveKind kind = SaveKind::None;
    // As it stands in the image, with its version when three digits follow
    // ("FLASH1M_V103", else "FLASH1M_V"); empty for None.
    std::string identifier;
};

// The first save library identifier (EEPROM_V, SRAM_V, SRAM_F_V, FLASH_V,
// FLASH512_V, FLASH1M_V) that starts at a word-aligned offset, whatever follows it.
SaveType findSaveType(std::span<const std::uint8_t> image);

// The same for an open image, read from its start in blocks, so that the
// image is never held whole. Throws FileError.
SaveType scanSaveType(RomFile& file);

// The type and size in words, for the list: "Flash 128 KB", "EEPROM", "none".
TextId saveTypeText(SaveKind kind);

}  // namespace kst::ops
