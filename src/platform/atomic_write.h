#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>

namespace kst {

// Writes a whole file so that it is either complete or not there at all: the
// bytes go to a temporary file in the target's folder, which is renamed over
// the target only once everything is written. On failure the temporary file is
// removed, any old target stays as it was, and FileError is thrown.
// A replaced file keeps its permission bits; a new one gets the usual 0666 & ~umask.
void writeFileAtomically(const std::filesystem::path& target, std::span<const std::uint8_t> bytes);
void writeFileAtomically(const std::filesystem::path& target, std::string_view text);

// Copies a file byte for byte the same way.
void copyFileAtomically(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace kst
