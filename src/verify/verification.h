#pragma once

#include "core/texts.h"
#include "verify/checksums.h"
#include "verify/dat_file.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kst::verify {

enum class Verdict {
    Verified,          // an entry matches the image as it is
    VerifiedPadded,    // an entry matches it padded up to the entry's size with 0xFF or 0x00
    VerifiedRestored,  // an entry matches it without its ExitHack patch, as it is or padded
    Unknown,           // no entry matches
};

struct Verification {
    Verdict verdict = Verdict::Unknown;
    std::string game;           // the matching entry's game; empty when Unknown
    std::string romName;        // the matching entry's rom name, as the DAT gives it
    std::size_t gameIndex = 0;  // the matching entry's game among the DAT's games
};

// The largest cartridge: no entry larger than that is tried padded, so that
// a hostile DAT cannot make a check hash for long.
inline constexpr std::uint64_t LargestCartridge = 32ull << 20;

// The entries of a DAT by size and CRC-32, to check many images against.
// Checking changes nothing in it: threads may verify against one index at once.
class DatIndex {
public:
    explicit DatIndex(DatFile dat);

    std::size_t size() const { return dat_.roms.size(); }
    const std::vector<std::string>& games() const { return dat_.games; }

    // An entry matches when its size, its CRC-32 and the strongest digest it
    // gives (SHA-1, else MD5) agree; an entry that gives none of them proves
    // nothing. The image is first tried as it is and padded; a digest is only
    // computed for an entry whose size and CRC-32 agree (or that has no
    // CRC-32), and the padded stream is hashed once per fill however many
    // sizes it is tried at. An image that carries the ExitHack patch is then
    // tried without it.
    Verification verify(std::span<const std::uint8_t> image) const;
    // Reads the file whole and verifies it. Throws FileError.
    Verification verifyFile(const std::filesystem::path& path) const;

private:
    struct Match {
        std::size_t rom;
        bool padded;
    };
    struct Keyed {
        std::uint64_t size;
        std::uint32_t crc;  // 0 for the entries without one
        std::size_t rom;
        auto operator<=>(const Keyed&) const = default;
    };
    std::optional<Match> match(std::span<const std::uint8_t> image) const;
    Verification result(const Match& match, Verdict verdict) const;

    DatFile dat_;
    std::vector<Keyed> withCrc_;     // by size, CRC and DAT order
    std::vector<Keyed> withoutCrc_;  // entries that give only digests, by size and DAT order
    std::vector<std::uint64_t> sizes_;
    // Carries a CRC-32 from sizes_[i - 1] to sizes_[i], for each fill in turn.
    std::vector<CrcFill> steps_;
};

// The fill bytes trimming cuts, in the order they are tried.
inline constexpr std::uint8_t PaddingFills[] = {0xFF, 0x00};

// "verified", "verified-padded", "verified-restored" or "unknown", as the command line prints them.
const char* verdictWord(Verdict verdict);
// The verdict and game name in words, for the list.
std::string verdictText(const Verification& verification);

// The name a verified image takes from its DAT entry: the rom name without
// its ".gba" and any folder, with control characters and separators left out.
std::string nameFromDat(std::string_view romName);

}  // namespace kst::verify
