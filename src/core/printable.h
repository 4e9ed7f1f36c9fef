#pragma once

#include <string>
#include <string_view>

namespace kst {

// The text with every character that could break a line of tab-separated
// fields, send commands to a terminal or make the line read otherwise written
// as a C escape: tab, line feed and carriage return as "\t", "\n" and "\r",
// a backslash as "\\", and byte by byte as "\xHH" every other C0 control,
// DEL, the C1 controls, the line and paragraph separators (U+2028, U+2029),
// the marks and overrides of writing direction (U+202E ...) and every byte
// that is not part of well-formed UTF-8. Everything else is kept as it is.
std::string escapeControls(std::string_view text);

// Whether the text holds a control character (C0, DEL or C1, in UTF-8).
bool holdsControls(std::string_view text);

}  // namespace kst
