#pragma once

#include "romops/entry.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace kst::ops {

// The length an image of the given length has once padded for the patch:
// the next multiple of 4, so that the patch starts on an instruction boundary.
std::uint64_t paddedLength(std::uint64_t length);

// Whether the entry branch can reach a patch appended to an image of the
// given length: its signed 24-bit word offset reaches 32 MiB + 4 at most.
bool patchReachable(std::uint64_t length);

// The entry field that branches from offset 0 to the patch appended to an
// image of the given length: the low 24 bits of (paddedLength / 4) - 2, in
// file order, least significant byte first (the main window keeps its copy
// most significant first).
EntryBytes newEntryBytesLsbFirst(std::uint64_t length);

// Pads the image with its fill byte to paddedLength, writes newEntry into
// offsets 0 to 2 and appends the patch. Byte 3 keeps its value. An empty image
// (no entry branch to redirect) or an empty patch leaves the image as it is.
std::vector<std::uint8_t> Exithack(std::vector<std::uint8_t> image, std::span<const std::uint8_t> patch,
                                   EntryBytes newEntry);

// Reads the whole patch file. Throws FileError when it cannot be read or is empty.
std::vector<std::uint8_t> readPatch(const std::filesystem::path& patchFile);

}  // namespace kst::ops
