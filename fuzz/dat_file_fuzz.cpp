// libFuzzer target: the DAT reader on arbitrary bytes. Whatever it accepts is
// written again as a clrmamepro text DAT and as a Logiqx XML DAT and read
// back: both readings must give the same games and entries, or it counts as
// a finding.

#include "verify/checksums.h"
#include "verify/dat_file.h"
#include "zipformat/member_name.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

using kst::verify::DatFile;
using kst::verify::DatRom;

void require(bool condition)
{
    if (!condition)
        std::abort();
}

bool same(const DatFile& a, const DatFile& b)
{
    if (a.games != b.games || a.roms.size() != b.roms.size())
        return false;
    for (std::size_t i = 0; i < a.roms.size(); ++i) {
        const DatRom& x = a.roms[i];
        const DatRom& y = b.roms[i];
        if (x.game != y.game || x.name != y.name || x.size != y.size || x.crc != y.crc || x.md5 != y.md5 ||
            x.sha1 != y.sha1)
            return false;
    }
    return true;
}

std::string crcHex(std::uint32_t crc)
{
    static const char digits[] = "0123456789abcdef";
    std::string hex(8, '0');
    for (int i = 7; i >= 0; --i, crc >>= 4)
        hex[static_cast<std::size_t>(i)] = digits[crc & 15];
    return hex;
}

// clrmamepro quotes hold anything but a quote and a line break.
bool quotable(const std::string& text)
{
    return text.find_first_of("\"\n") == std::string::npos;
}

std::string xmlEscaped(const std::string& text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '"': out += "&quot;"; break;
        case '\t': out += "&#9;"; break;
        case '\n': out += "&#10;"; break;
        case '\r': out += "&#13;"; break;
        default: out += c;
        }
    }
    return out;
}

// XML 1.0 holds valid UTF-8 without controls other than tab and line breaks.
bool xmlWritable(const std::string& text)
{
    for (const char c : text)
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r')
            return false;
    return kst::isValidUtf8(text);
}

std::string fields(const DatRom& rom, bool xml)
{
    auto field = [xml](const char* key, const std::string& value) {
        return xml ? std::string(" ") + key + "=\"" + xmlEscaped(value) + "\"" : std::string(" ") + key + " \"" + value + "\"";
    };
    std::string out = field("name", rom.name) + field("size", std::to_string(rom.size));
    if (rom.crc)
        out += field("crc", crcHex(*rom.crc));
    if (rom.md5)
        out += field("md5", kst::verify::toHex(*rom.md5));
    if (rom.sha1)
        out += field("sha1", kst::verify::toHex(*rom.sha1));
    return out;
}

// Each entry as a game block of its own: a game's entries follow one another, so blocks of one game join up.
std::string written(const DatFile& dat, bool xml)
{
    std::string out = xml ? "<datafile>\n" : "clrmamepro ( name \"twin\" )\n";
    for (std::size_t i = 0; i < dat.roms.size(); ++i) {
        const DatRom& rom = dat.roms[i];
        const bool sameGame = i > 0 && dat.roms[i - 1].game == rom.game;
        const bool nextSame = i + 1 < dat.roms.size() && dat.roms[i + 1].game == rom.game;
        const std::string& game = dat.games[rom.game];
        if (xml)
            out += (sameGame ? "" : "<game name=\"" + xmlEscaped(game) + "\">") + "<rom" + fields(rom, true) + "/>" +
                   (nextSame ? "" : "</game>\n");
        else
            out += (sameGame ? "" : "game ( name \"" + game + "\"\n") + "rom (" + fields(rom, false) + " )\n" +
                   (nextSame ? "" : ")\n");
    }
    return xml ? out + "</datafile>\n" : out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    DatFile first;
    try {
        first = kst::verify::parseDat(text);
    } catch (const kst::verify::DatError&) {
        return 0;
    }
    require(first.games.size() <= first.roms.size());
    bool quotes = true;
    bool xml = true;
    for (const DatRom& rom : first.roms) {
        require(rom.game < first.games.size());
        quotes = quotes && quotable(rom.name) && quotable(first.games[rom.game]);
        xml = xml && xmlWritable(rom.name) && xmlWritable(first.games[rom.game]);
    }
    if (quotes)
        require(same(first, kst::verify::parseDat(written(first, false))));
    if (xml)
        require(same(first, kst::verify::parseDat(written(first, true))));
    return 0;
}
