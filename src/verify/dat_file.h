#pragma once

#include "verify/checksums.h"

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

// The ROM entries of a Logiqx XML DAT (<datafile>, <game> or <machine> with
// name, <rom> with size and crc, md5, sha1), in file order. A <rom> without a
// size, or one marked as not dumped, is left out. Throws DatError.
DatFile readDat(const std::filesystem::path& path);
DatFile parseDat(std::string_view xml);

}  // namespace kst::verify
