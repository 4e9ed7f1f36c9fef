#include "romheader/header.h"

#include "platform/files.h"

#include <array>
#include <string_view>

namespace kst {
namespace {

// The text field at offset, cut before its first 0x00; empty when bytes ends
// before the field does.
std::string textField(std::span<const std::uint8_t> bytes, std::size_t offset, std::size_t length)
{
    if (bytes.size() < offset + length)
        return {};
    std::span<const std::uint8_t> field = bytes.subspan(offset, length);
    std::size_t used = 0;
    while (used < length && field[used] != 0)
        ++used;
    return std::string(reinterpret_cast<const char*>(field.data()), used);
}

struct Maker {
    std::string_view code;
    TextId name;
};

// In the order the codes are tested.
constexpr std::array makers{
    Maker{"01", texts::Nintendo},          Maker{"08", texts::Capcom},
    Maker{"0H", texts::Starfish},          Maker{"18", texts::HudsonSoftJapan},
    Maker{"28", texts::KemcoJapan},        Maker{"2L", texts::Tam},
    Maker{"2M", texts::Jordan},            Maker{"41", texts::UbiSoft},
    Maker{"4Z", texts::CraveEntertainment}, Maker{"52", texts::Activision},
    Maker{"54", texts::Take2},             Maker{"5D", texts::Midway},
    Maker{"5G", texts::MajescoSales},      Maker{"5H", texts::ThreeDO},
    Maker{"6L", texts::Bam},               Maker{"6W", texts::Sega},
    Maker{"70", texts::Infogrames},        Maker{"78", texts::Thq},
    Maker{"7F", texts::Kemco},             Maker{"8P", texts::SegaJapan},
    Maker{"9C", texts::Imagineer},         Maker{"9N", texts::MarvelousEntertainment},
    Maker{"A4", texts::Konami},            Maker{"A7", texts::Takara},
    Maker{"AF", texts::Namco},             Maker{"AG", texts::Playmate},
    Maker{"BL", texts::Mto},               Maker{"BP", texts::GlobalA},
    Maker{"C8", texts::Koei},              Maker{"D9", texts::Banpresto},
    Maker{"E5", texts::Epoch},             Maker{"E7", texts::Athena},
    Maker{"E8", texts::Asmik},             Maker{"EB", texts::Atlus},
    Maker{"EL", texts::Spike},             Maker{"EM", texts::KonamiJapan},
};

}  // namespace

RomHeader parseHeader(std::span<const std::uint8_t> bytes, std::uint64_t size)
{
    RomHeader result;
    result.size = size;
    result.internalName = textField(bytes, header::InternalNameOffset, header::InternalNameLength);
    if (bytes.size() > header::CountryOffset)
        result.countryLetter = bytes[header::CountryOffset];
    result.makerCode = textField(bytes, header::MakerOffset, header::MakerLength);
    return result;
}

RomHeader readheader(RomFile& file)
{
    const std::uint64_t size = file.size();
    std::array<std::uint8_t, header::MinimumSize> bytes{};
    file.seek(0);
    file.readExact(bytes.data(), bytes.size());
    return parseHeader(bytes, size);
}

TextId country(std::uint8_t letter)
{
    switch (letter) {
    case 'D': return texts::Germany;
    case 'E': return texts::Usa;
    case 'F': return texts::France;
    case 'I': return texts::Italy;
    case 'J': return texts::Japan;
    case 'P': return texts::Europe;
    case 'S': return texts::Spain;
    case 'X': return texts::Multi;
    default: return texts::UnknownCountry;
    }
}

TextId company(const std::string& code)
{
    if (code.size() != 2)
        return texts::BadMaker;
    for (const Maker& maker : makers)
        if (maker.code == code)
            return maker.name;
    if (code == "00")
        return texts::HomeMade;
    return texts::UnknownMaker;
}

}  // namespace kst
