#pragma once

#include "romops/entry.h"
#include "romops/hooks.h"

#include <cstdint>
#include <vector>

namespace kst {
class RomFile;
}

namespace kst::ops {

// The bytes at offsets 0 to 2, read before the image and leaving the file at
// offset 0. Throws FileError for a file shorter than that.
EntryBytes readEntryBytes(RomFile& file);

// Reads the whole file from its start in 64 KiB blocks, reporting progress
// after each block. extraCapacity is room reserved behind the image for what
// later steps append, so that they do not have to move it; it is left out
// when memory is short. Throws FileError naming the file, also when memory
// for the image runs out, and FileTooLarge for a file larger than
// zip::kMaxImageBytes, before reading it.
std::vector<std::uint8_t> readImage(RomFile& file, const RomOpHooks& hooks, std::size_t extraCapacity = 0);

}  // namespace kst::ops
