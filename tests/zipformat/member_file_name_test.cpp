// The one rule that turns a member's name into a file name or refuses it,
// handed names that no C string can carry through the module's interface.
#include "zipformat/member_file_name.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

TEST(MemberFileName, NamesTheFileOrRefusesTheName)
{
    const std::pair<std::string, const char*> names[] = {  // null: refused
        {std::string("..\0x", 4), nullptr},
        {std::string("a\0/b.gba", 8), nullptr},
        {std::string("a.gba\0", 6), nullptr},
        {"sub\\a.gba", "sub/a.gba"},
        {"./a//b/./x.gba", "a/b/x.gba"},
        {"a/C:x.gba", "a/C:x.gba"},
        {"C:x.gba", nullptr},
        {"../x.gba", nullptr},
        {"a/b/../../x.gba", nullptr},
        {"\\x.gba", nullptr},
        {"/x.gba", nullptr},
        {"./", nullptr},
        {"", nullptr},
    };
    for (const auto& [name, file] : names) {
        const std::optional<std::string> found = kst::zip::memberFileName(name);
        EXPECT_EQ(found.value_or("(refused)"), file ? file : "(refused)") << name;
    }
}

}  // namespace
