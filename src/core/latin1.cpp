#include "core/latin1.h"

namespace kst {

std::string latin1ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() * 2);
    for (unsigned char b : bytes) {
        if (b < 0x80) {
            out += static_cast<char>(b);
        } else {
            out += static_cast<char>(0xC0 | (b >> 6));
            out += static_cast<char>(0x80 | (b & 0x3F));
        }
    }
    return out;
}

std::optional<std::string> utf8ToLatin1(std::string_view utf8, std::string* refused)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const unsigned char lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            out += static_cast<char>(lead);
            ++i;
            continue;
        }
        // U+0080 to U+00FF are the two-byte sequences led by 0xC2 and 0xC3;
        // anything else is a wider character or not UTF-8 at all.
        const bool secondFollows = i + 1 < utf8.size() && (static_cast<unsigned char>(utf8[i + 1]) & 0xC0) == 0x80;
        if ((lead == 0xC2 || lead == 0xC3) && secondFollows) {
            out += static_cast<char>(((lead & 0x03u) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu));
            i += 2;
            continue;
        }
        if (refused) {
            std::size_t end = i + 1;
            while (end < utf8.size() && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80)
                ++end;
            *refused = std::string(utf8.substr(i, end - i));
        }
        return std::nullopt;
    }
    return out;
}

}  // namespace kst
