#pragma once

#include "romheader/complement.h"
#include "romheader/header.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kst {

// The 12 bytes of the internal name field.
using InternalNameField = std::array<std::uint8_t, header::InternalNameLength>;

// The field for a typed name: its first 12 characters, one byte each
// (Latin-1), filled up with 0x00 bytes. nullopt when one of those characters
// has no single-byte form; refused, when given, receives that character.
std::optional<InternalNameField> internalNameField(std::string_view utf8, std::string* refused = nullptr);

// Writes the name field into the image. The complement byte is recomputed
// when it matched the old header and left as it was when it did not, so a
// rename never turns a bootable image into one the console refuses. False,
// with the image unchanged, when it is too short to hold the field.
bool renameImage(std::vector<std::uint8_t>& image, const InternalNameField& field);

enum class RenameOutcome { Renamed, TooShort };

// Renames the image in a file: the file is read whole and replaced by the
// renamed image through a temporary file in its folder, keeping its
// permissions, so a failure leaves the old file whole. A read-only file is
// refused before anything is read. Throws FileError.
RenameOutcome renameImageFile(const std::filesystem::path& path, const InternalNameField& field);

}  // namespace kst
