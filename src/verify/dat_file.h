#pragma once

#include "verify/checksums.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kst::verify {

// One known good dump: the game it belongs to (an index into DatFile::games),
// its file name, size and the checksums the DAT gives for it (any of them may
// be missing).
struct DatRom {
    std::uint32_t game = 0;
    std::string name;
    std::uint64_t size = 0;
    std::optional<std::uint32_t> crc;
    std::optional<Md5> md5;
    std::optional<Sha1> sha1;
};

// The games that have at least one entry, each name once, and the entries,
// both in file order.
struct DatFile {
    std::vector<std::string> games;
    std::vector<DatRom> roms;
};

// A DAT file that cannot be read or is not a DAT; the message says which and why.
class DatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Caps that keep a hostile DAT from taking the machine's memory; real DATs
// stay far below them.
struct DatLimits {
    std::size_t maxNameBytes = 4096;      // of a game's or an entry's name
    std::size_t maxEntries = 4'000'000;  // entries kept
};

// The ROM entries of a DAT, Logiqx XML or clrmamepro text, told apart by
// content. A game, machine or resource gives the name; an entry without a
// size, one marked as not or badly dumped, and one outside a game are left
// out. Throws DatError, also when memory runs out.
DatFile readDat(const std::filesystem::path& path, const DatLimits& limits = {});
DatFile parseDat(std::string_view text, const DatLimits& limits = {});

}  // namespace kst::verify
