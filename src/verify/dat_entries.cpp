#include "verify/dat_entries.h"

#include "core/texts.h"

#include <charconv>

namespace kst::verify {
namespace {

bool parseNumber(std::string_view text, auto& into, int base)
{
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, into, base);
    return !text.empty() && ptr == end && error == std::errc{};
}

template <std::size_t N>
bool parseHex(std::string_view text, std::array<std::uint8_t, N>& into)
{
    if (text.size() != 2 * N)
        return false;
    for (std::size_t i = 0; i < N; ++i)
        if (!parseNumber(text.substr(2 * i, 2), into[i], 16))
            return false;
    return true;
}

std::string badValue(std::string_view field, std::string_view value)
{
    return format(tr(texts::DatBadValue), {field, value});
}

}  // namespace

DatError datProblem(std::string_view datName, std::size_t line, std::string_view reason)
{
    return DatError(format(tr(texts::DatProblem), {datName, std::to_string(line), reason}));
}

DatEntries::Problem DatEntries::checkedName(std::string_view name) const
{
    if (name.size() > limits_.maxNameBytes)
        return format(tr(texts::DatNameTooLong), {std::to_string(limits_.maxNameBytes)});
    return std::nullopt;
}

void DatEntries::beginGame()
{
    inGame_ = true;
    gameListed_ = false;
    gameName_.clear();
}

DatEntries::Problem DatEntries::nameGame(std::string_view name)
{
    if (auto problem = checkedName(name))
        return problem;
    // One copy of the name, however many entries the game has.
    (gameListed_ ? dat_.games.back() : gameName_) = name;
    return std::nullopt;
}

void DatEntries::beginRom()
{
    size_.reset();
    crc_.reset();
    md5_.reset();
    sha1_.reset();
    romName_.clear();
    dumpedWell_ = true;
}

DatEntries::Problem DatEntries::romField(std::string_view key, std::string_view value)
{
    if (key == "name") {
        if (auto problem = checkedName(value))
            return problem;
        romName_ = value;
    } else if (key == "size") {
        size_ = value;
    } else if (key == "crc") {
        crc_ = value;
    } else if (key == "md5") {
        md5_ = value;
    } else if (key == "sha1") {
        sha1_ = value;
    } else if ((key == "status" || key == "flags") && (value == "nodump" || value == "baddump")) {
        dumpedWell_ = false;
    }
    return std::nullopt;
}

DatEntries::Problem DatEntries::endRom()
{
    if (!inGame_ || !size_ || !dumpedWell_)
        return std::nullopt;
    DatRom rom;
    if (!parseNumber(*size_, rom.size, 10))
        return badValue("size", *size_);
    if (crc_ && (crc_->size() != 8 || !parseNumber(*crc_, rom.crc.emplace(), 16)))
        return badValue("crc", *crc_);
    if (md5_ && !parseHex(*md5_, rom.md5.emplace()))
        return badValue("md5", *md5_);
    if (sha1_ && !parseHex(*sha1_, rom.sha1.emplace()))
        return badValue("sha1", *sha1_);
    if (dat_.roms.size() >= limits_.maxEntries)
        return format(tr(texts::DatTooManyEntries), {std::to_string(limits_.maxEntries)});
    if (!gameListed_) {
        dat_.games.push_back(std::move(gameName_));
        gameListed_ = true;
    }
    rom.game = static_cast<std::uint32_t>(dat_.games.size() - 1);
    rom.name = romName_;
    dat_.roms.push_back(std::move(rom));
    return std::nullopt;
}

}  // namespace kst::verify
