#pragma once

#include <string>
#include <string_view>

namespace kst {

// Header bytes are single-byte characters: each byte maps to the Unicode
// character of the same number, and back.
std::string latin1ToUtf8(std::string_view bytes);
// Characters above U+00FF, which no header byte can hold, become '?'.
std::string utf8ToLatin1(std::string_view utf8);

}  // namespace kst
