#pragma once

#include "verify/dat_file.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace kst::verify {

// The next block of a DAT's bytes; empty at its end. Throws FileError.
using DatBlocks = std::function<std::string_view()>;

// "NAME, line N: REASON", the message of a damaged DAT.
DatError datProblem(std::string_view datName, std::size_t line, std::string_view reason);

// Collects the games and entries either reader finds, in file order, and keeps
// them within the limits. Each step gives a reason when it refuses, for the
// reader to tell with its line number.
class DatEntries {
public:
    using Problem = std::optional<std::string>;

    explicit DatEntries(const DatLimits& limits) : limits_(limits) {}

    // A game, machine or resource; its name may come before or after its entries.
    void beginGame();
    Problem nameGame(std::string_view name);
    void endGame() { inGame_ = false; }

    // One entry: its fields as the DAT gives them, then its end, which keeps
    // it unless it has no size, is marked as not (well) dumped or stands
    // outside a game.
    void beginRom();
    Problem romField(std::string_view key, std::string_view value);
    Problem endRom();

    DatFile take() { return std::move(dat_); }

private:
    Problem checkedName(std::string_view name) const;

    DatLimits limits_;
    DatFile dat_;
    std::string gameName_;  // until the game's first entry is kept
    bool inGame_ = false;
    bool gameListed_ = false;
    std::optional<std::string> size_, crc_, md5_, sha1_;
    std::string romName_;
    bool dumpedWell_ = true;
};

}  // namespace kst::verify
