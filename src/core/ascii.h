#pragma once

#include <string_view>

namespace kst {

// Compares two texts with the ASCII letters folded to one case; other bytes,
// UTF-8 ones included, must match exactly.
constexpr bool equalIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i]))
            return false;
    return true;
}

}  // namespace kst
