#include "core/printable.h"

#include <cstdint>

namespace kst {
namespace {

bool isC0OrDel(unsigned char c)
{
    return c < 0x20 || c == 0x7F;
}

// U+0080 to U+009F, encoded as C2 80 to C2 9F.
bool startsC1(std::string_view text, std::size_t at)
{
    return static_cast<unsigned char>(text[at]) == 0xC2 && at + 1 < text.size() &&
           static_cast<unsigned char>(text[at + 1]) >= 0x80 && static_cast<unsigned char>(text[at + 1]) <= 0x9F;
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
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        switch (c) {
        case '\t': out += "\\t"; continue;
        case '\n': out += "\\n"; continue;
        case '\r': out += "\\r"; continue;
        case '\\': out += "\\\\"; continue;
        default: break;
        }
        if (isC0OrDel(c)) {
            appendHex(out, c);
        } else if (startsC1(text, i)) {
            appendHex(out, c);
            appendHex(out, static_cast<unsigned char>(text[++i]));
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

bool holdsControls(std::string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isC0OrDel(static_cast<unsigned char>(text[i])) || startsC1(text, i))
            return true;
    }
    return false;
}

}  // namespace kst
