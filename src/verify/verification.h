#pragma once

#include "core/texts.h"
#include "verify/dat_file.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <span>
#include <string>
#include <vector>

namespace kst::verify {

enum class Verdict {
    Verified,        // an entry matches the image as it is
    VerifiedPadded,  // an entry matches it padded up to the entry's size with 0xFF or 0x00
    Unknown,         // no entry matches
};

struct Verification {
    Verdict verdict = Verdict::Unknown;
    std::string game;  // the matching entry's game; empty when Unknown
};

// The entries of a DAT by size, to check many images against.
class DatIndex {
public:
    explicit DatIndex(DatFile dat);
    // The index points into the entries: a copy would point into the original's.
    DatIndex(const DatIndex&) = delete;
    DatIndex& operator=(const DatIndex&) = delete;
    DatIndex(DatIndex&&) = default;
    DatIndex& operator=(DatIndex&&) = default;

    std::size_t size() const { return roms_.size(); }
    // The DAT's games that have an entry, in file order; DatRom::game indexes it.
    const std::vector<std::string>& games() const { return games_; }

    // An entry matches when its size and every checksum it gives agree. The
    // padded stream is only hashed when its CRC-32, joined from the image's
    // and the fill's, already agrees with an entry of that size; entries more
    // than 1 GiB larger than the image are not tried padded.
    Verification verify(std::span<const std::uint8_t> image) const;
    // Reads the file whole and verifies it. Throws FileError.
    Verification verifyFile(const std::filesystem::path& path) const;

private:
    std::vector<std::string> games_;
    std::vector<DatRom> roms_;
    std::multimap<std::uint64_t, const DatRom*> bySize_;
};

// The fill bytes trimming cuts, in the order they are tried.
inline constexpr std::uint8_t PaddingFills[] = {0xFF, 0x00};

// "verified", "verified-padded" or "unknown", as the command line prints them.
const char* verdictWord(Verdict verdict);
// The verdict and game name in words, for the list.
std::string verdictText(const Verification& verification);

}  // namespace kst::verify
