#include "core/printable.h"

#include <gtest/gtest.h>

namespace kst {
namespace {

TEST(EscapeControlsTest, ControlCharactersAndBackslashBecomeCEscapes)
{
    using namespace std::string_literals;
    struct Row {
        std::string text, escaped;
        bool control;  // what holdsControls says
    };
    const Row rows[] = {
        {"plain name.gba", "plain name.gba", false},
        {"a\tb\nc\rd", "a\\tb\\nc\\rd", true},
        {"back\\slash", "back\\\\slash", false},
        {"k\x01\x1b[31mred\x07", "k\\x01\\x1b[31mred\\x07", true},
        {"nul\0byte"s, "nul\\x00byte", true},
        {"del\x7f", "del\\x7f", true},
        {"csi\xc2\x9b" "31m", "csi\\xc2\\x9b31m", true},           // U+009B, a C1 control
        {"apc\xc2\x9f", "apc\\xc2\\x9f", true},                    // U+009F, the last of them
        {"caf\xc3\xa9 \xc2\xa0\xf0\x9f\x98\x80", "caf\xc3\xa9 \xc2\xa0\xf0\x9f\x98\x80", false},  // é, no-break space, 😀
        {"bad\xff\xc2", "bad\\xff\\xc2", false},                   // not UTF-8
        {"raw\x9b" "31m\xc0\xaf\xed\xa0\x80\xe2\x80", "raw\\x9b31m\\xc0\\xaf\\xed\\xa0\\x80\\xe2\\x80", false},
        {"line\xe2\x80\xa8" "rlo\xe2\x80\xae" "fig\xe2\x80\xb0", "line\\xe2\\x80\\xa8rlo\\xe2\\x80\\xaefig\xe2\x80\xb0", false},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(escapeControls(row.text), row.escaped);
        EXPECT_EQ(holdsControls(row.text), row.control) << row.escaped;
    }
}

}  // namespace
}  // namespace kst
