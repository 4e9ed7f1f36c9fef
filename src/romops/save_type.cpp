#include "romops/save_type.h"

#include "platform/files.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace kst::ops {
namespace {

struct Library {
    std::string_view identifier;  // in commercial images followed by three version digits
    SaveKind kind;
};

constexpr std::array<Library, 6> Libraries{{
    {"EEPROM_V", SaveKind::Eeprom},
    {"SRAM_V", SaveKind::Sram},
    {"SRAM_F_V", SaveKind::Sram},
    {"FLASH_V", SaveKind::Flash64},
    {"FLASH512_V", SaveKind::Flash64},
    {"FLASH1M_V", SaveKind::Flash128},
}};
constexpr std::size_t VersionDigits = 3;
constexpr std::size_t LongestIdentifier = 13;  // FLASH512_Vnnn
constexpr std::size_t Word = 4;

// A word as it lies in memory, whatever the machine's byte order: the
// compiler turns this into one load.
inline std::uint32_t wordAt(const std::uint8_t* p)
{
    std::uint32_t w;
    std::memcpy(&w, p, sizeof w);
    return w;
}

std::uint32_t wordOf(std::string_view text)
{
    return wordAt(reinterpret_cast<const std::uint8_t*>(text.data()));
}

bool isDigit(std::uint8_t c)
{
    return c >= '0' && c <= '9';
}

// The identifier that starts at p, with `available` bytes readable from there.
// It counts on its own, as emulators take it: homebrew pads the version with
// blanks or leaves it out. Three digits that follow are kept with it.
std::optional<SaveType> identifierAt(const std::uint8_t* p, std::size_t available)
{
    for (const Library& library : Libraries) {
        const std::size_t length = library.identifier.size();
        if (length > available || std::memcmp(p, library.identifier.data(), length) != 0)
            continue;
        const std::uint8_t* digits = p + length;
        const bool versioned = available - length >= VersionDigits && isDigit(digits[0]) && isDigit(digits[1])
            && isDigit(digits[2]);
        return SaveType{library.kind,
                        std::string(reinterpret_cast<const char*>(p), length + (versioned ? VersionDigits : 0))};
    }
    return std::nullopt;
}

// Looks at the word-aligned offsets below `end` of bytes[0, size): words are
// tested sixteen at a time without a branch, which the compiler vectorises,
// and only a group with a likely first word is looked at closely.
std::optional<SaveType> scan(const std::uint8_t* bytes, std::size_t size, std::size_t end)
{
    const std::uint32_t eepr = wordOf("EEPR"), sram = wordOf("SRAM"), flas = wordOf("FLAS");
    constexpr std::size_t Group = 16 * Word;
    std::size_t at = 0;
    for (; at + Group <= end; at += Group) {
        unsigned likely = 0;
        for (std::size_t i = 0; i < Group; i += Word) {
            const std::uint32_t w = wordAt(bytes + at + i);
            likely |= static_cast<unsigned>(w == eepr) | static_cast<unsigned>(w == sram) |
                      static_cast<unsigned>(w == flas);
        }
        if (!likely)
            continue;
        for (std::size_t i = at; i < at + Group; i += Word)
            if (auto found = identifierAt(bytes + i, size - i))
                return found;
    }
    for (; at + Word <= end; at += Word)
        if (auto found = identifierAt(bytes + at, size - at))
            return found;
    return std::nullopt;
}

}  // namespace

SaveType findSaveType(std::span<const std::uint8_t> image)
{
    return scan(image.data(), image.size(), image.size()).value_or(SaveType{});
}

SaveType scanSaveType(RomFile& file)
{
    // Each round looks at the offsets whose identifier would fit in what has
    // been read; the last few bytes move to the front and are looked at again
    // with the next block. Blocks are whole words, so offsets stay aligned.
    constexpr std::size_t Carry = 16;
    static_assert(Carry >= LongestIdentifier && Carry % Word == 0);
    constexpr std::size_t BlockSize = 256 * 1024;
    // A small image gets a buffer of its own size, left uninitialised: most
    // images added to the list are small, and clearing 256 KiB for each one
    // would cost more than reading it.
    const std::uint64_t size = file.size();
    const std::size_t bufferSize =
        Carry + static_cast<std::size_t>(std::min<std::uint64_t>((size + Word - 1) / Word * Word, BlockSize));
    const std::unique_ptr<std::uint8_t[]> storage(new std::uint8_t[bufferSize]);
    const std::span<std::uint8_t> buffer(storage.get(), bufferSize);
    file.seek(0);
    // Reads stop at the size, without a last read to find the end.
    std::uint64_t remaining = size;
    std::size_t kept = 0;
    for (;;) {
        std::size_t filled = kept;
        while (filled < buffer.size() && remaining > 0) {
            const std::size_t wanted =
                static_cast<std::size_t>(std::min<std::uint64_t>(buffer.size() - filled, remaining));
            const std::size_t got = file.read(buffer.data() + filled, wanted);
            remaining = got == 0 ? 0 : remaining - got;  // a file cut short ends early
            filled += got;
        }
        const bool atEnd = remaining == 0;
        const std::size_t end = atEnd ? filled : filled - Carry;
        if (auto found = scan(buffer.data(), filled, end))
            return *found;
        if (atEnd)
            return {};
        std::memmove(buffer.data(), buffer.data() + end, Carry);
        kept = Carry;
    }
}

TextId saveTypeText(SaveKind kind)
{
    switch (kind) {
    case SaveKind::Eeprom: return texts::SaveEeprom;
    case SaveKind::Sram: return texts::SaveSram;
    case SaveKind::Flash64: return texts::SaveFlash64;
    case SaveKind::Flash128: return texts::SaveFlash128;
    case SaveKind::None: break;
    }
    return texts::SaveNone;
}

}  // namespace kst::ops
