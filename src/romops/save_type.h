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
    std::string identifier;  // as it stands in the image, e.g. "FLASH1M_V103"; empty for None
};

// The first save library identifier (EEPROM_Vnnn, SRAM_Vnnn, SRAM_F_Vnnn,
// FLASH_Vnnn, FLASH512_Vnnn, FLASH1M_Vnnn) that starts at a word-aligned offset.
SaveType findSaveType(std::span<const std::uint8_t> image);

// The same for an open image, read from its start in blocks, so that the
// image is never held whole. Throws FileError.
SaveType scanSaveType(RomFile& file);

// The type and size in words, for the list: "Flash 128 KB", "EEPROM", "none".
TextId saveTypeText(SaveKind kind);

}  // namespace kst::ops
