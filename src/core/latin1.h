#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kst {

// Header bytes are single-byte characters: each byte maps to the Unicode
// character of the same number, and back.
std::string latin1ToUtf8(std::string_view bytes);
// The single-byte form of a UTF-8 text; nullopt when a character has none
// (above U+00FF) or the text is not valid UTF-8. refused, when given,
// receives the first character that could not be converted.
std::optional<std::string> utf8ToLatin1(std::string_view utf8, std::string* refused = nullptr);

}  // namespace kst
