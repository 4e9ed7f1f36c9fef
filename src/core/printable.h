#pragma once

#include <string>
#include <string_view>

namespace kst {

// The text with every control character written as a C escape, so that a
// name printed in a line of tab-separated fields can neither break the line
// nor send commands to a terminal: tab, line feed and carriage return as
// "\t", "\n" and "\r", a backslash as "\\", every other C0 control, DEL and
// the UTF-8 form of a C1 control byte by byte as "\xHH". Everything else,
// invalid UTF-8 included, is kept as it is.
std::string escapeControls(std::string_view text);

// Whether the text holds a character that escapeControls would write out.
bool holdsControls(std::string_view text);

}  // namespace kst
