// The member-path check on its own, to hand it names that no C string can
// carry through the module's interface.
#include "unzdll/member_path.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace {

namespace fs = std::filesystem;

struct PathCheck {
    const char* label;
    std::string name;
    const char* place;  // null: refused
};

class MemberPathCheck : public ::testing::TestWithParam<PathCheck> {};

TEST_P(MemberPathCheck, RefusesEveryNameHoldingANul)
{
    const PathCheck& test = GetParam();
    std::optional<fs::path> place = kst::unz::memberPath(test.name, true);
    if (test.place) {
        ASSERT_TRUE(place.has_value());
        EXPECT_EQ(place->string(), test.place);
    } else {
        EXPECT_FALSE(place.has_value()) << place->string();
    }
}

INSTANTIATE_TEST_SUITE_P(Names, MemberPathCheck,
                         ::testing::Values(PathCheck {"dotdot_nul", std::string("..\0x", 4), nullptr},
                                           PathCheck {"nul_in_folder", std::string("a\0/b.gba", 8), nullptr},
                                           PathCheck {"trailing_nul", std::string("a.gba\0", 6), nullptr},
                                           PathCheck {"plain", "sub\\a.gba", "sub/a.gba"}),
                         [](const auto& info) { return std::string(info.param.label); });

}  // namespace
