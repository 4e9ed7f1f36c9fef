#include "core/printable.h"

#include <cstdint>

namespace kst {
namespace {

struct Decoded {
    char32_t code = 0;
    std::size_t length = 0;  // 0: no well-formed UTF-8 sequence starts there
};

Decoded decodeUtf8(std::string_view text, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80)
        return {lead, 1};
    std::size_t length = 0;
    char32_t smallest = 0;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2, smallest = 0x80;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3, smallest = 0x800;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4, smallest = 0x10000;
    else
        return {};
    if (text.size() - at < length)
        return {};
    char32_t code = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80)
            return {};
        code = code << 6 | (next & 0x3F);
    }
    // Overlong forms, UTF-16 surrogates and what lies past U+10FFFF are no characters.
    if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return {};
    return {code, length};
}

// C0, DEL and C1 (U+0080 to U+009F).
bool isControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

// What a terminal would take as a command, a line break, or an order of
// writing that makes the rest of the line read otherwise than it is.
bool isUnprintable(char32_t c)
{
    return isControl(c) || c == 0x2028 || c == 0x2029 || c == 0x061C || c == 0x200E || c == 0x200F ||
           (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

void appendHex(std::string& out, unsigned char c)
{
    constexpr char Digits[] = "0123456789abcdef";
    out += "\\x";
    out += Digits[c >> 4];
    out += Digits[c & 0xF];
}

}  // namespace

std::string escapeControls(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        switch (text[i]) {
        case '\t': out += "\\t", ++i; continue;
        case '\n': out += "\\n", ++i; continue;
        case '\r': out += "\\r", ++i; continue;
        case '\\': out += "\\\\", ++i; continue;
        default: break;
        }
        const Decoded decoded = decodeUtf8(text, i);
        const std::size_t length = decoded.length == 0 ? 1 : decoded.length;
        for (std::size_t end = i + length; i < end; ++i) {
            if (decoded.length == 0 || isUnprintable(decoded.code))
                appendHex(out, static_cast<unsigned char>(text[i]));
            else
                out += text[i];
        }
    }
    return out;
}

bool holdsControls(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const Decoded decoded = decodeUtf8(text, i);
        if (decoded.length > 0 && isControl(decoded.code))
            return true;
        i += decoded.length == 0 ? 1 : decoded.length;
    }
    return false;
}

}  // namespace kst
