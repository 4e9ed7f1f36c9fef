#include "core/texts.h"

namespace kst {
namespace {
std::string (*boundTranslator)(TextId) = nullptr;
}

std::string tr(TextId text)
{
    return boundTranslator ? boundTranslator(text) : std::string(text);
}

void setTranslator(std::string (*translator)(TextId))
{
    boundTranslator = translator;
}

std::string format(std::string_view pattern, std::span<const std::string_view> values)
{
    std::string out;
    out.reserve(pattern.size() + 64);
    auto next = values.begin();
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size()) {
            char conversion = pattern[i + 1];
            if (conversion == '%') {
                out += '%';
                ++i;
                continue;
            }
            if ((conversion == 's' || conversion == 'd') && next != values.end()) {
                out += *next++;
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

}  // namespace kst
