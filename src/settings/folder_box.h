#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace kst {

// The text of an Options box without the control characters and blanks
// (bytes up to and including ' ') at either end. Bytes of multi-byte UTF-8
// characters are above ' ' and always stay.
std::string trimmedBoxText(std::string_view text);

// A folder box as OK leaves it: the separator appended unless the text already
// ends with one, so that an empty box becomes the separator alone.
std::string folderBoxText(std::string_view text);

}  // namespace kst
