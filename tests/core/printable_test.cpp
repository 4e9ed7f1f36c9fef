#include "core/printable.h"

#include <gtest/gtest.h>

namespace kst {
namespace {

TEST(EscapeControlsTest, ControlCharactersAndBackslashBecomeCEscapes)
{
    using namespace std::string_literals;
    const std::pair<std::string, std::string> rows[] = {
        {"plain name.gba", "plain name.gba"},
        {"a\tb\nc\rd", "a\\tb\\nc\\rd"},
        {"back\\slash", "back\\\\slash"},
        {"k\x01\x1b[31mred\x07", "k\\x01\\x1b[31mred\\x07"},
        {"nul\0byte"s, "nul\\x00byte"},
        {"del\x7f", "del\\x7f"},
        {"csi\xc2\x9b" "31m", "csi\\xc2\\x9b31m"},          // U+009B, a C1 control
        {"caf\xc3\xa9 \xc2\xa0", "caf\xc3\xa9 \xc2\xa0"},   // é and a no-break space stay
        {"bad\xff\xc2", "bad\xff\xc2"},                      // invalid UTF-8 is left as it is
    };
    for (const auto& [text, escaped] : rows) {
        EXPECT_EQ(escapeControls(text), escaped);
        EXPECT_EQ(holdsControls(text), escaped.find("\\x") != std::string::npos || text.find_first_of("\t\n\r") != std::string::npos)
            << escaped;
    }
}

}  // namespace
}  // namespace kst
