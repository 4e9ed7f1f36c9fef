#include "app/status_text.h"

#include <gtest/gtest.h>

namespace kst {
namespace {

TEST(StatusTextTest, ActionLetters)
{
    struct Case {
        ChosenActions actions;
        const char* text;
    };
    const Case cases[] = {
        {{}, "[Actions:   ]"},
        {{true, false, false, false}, "[Actions: T  ]"},
        {{false, false, true, false}, "[Actions:   E]"},
        {{false, true, true, false}, "[Actions:  R E]"},
        {{false, false, false, true}, "[Actions: T R E]"},  // All, whatever the three marks
        {{true, true, true, false}, "[Actions: T R E]"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(actionText(c.actions), c.text);
}

TEST(StatusTextTest, StatusLine)
{
    EXPECT_EQ(statusLine(false, 2, 1, {}), "{No Roms in List}");
    EXPECT_EQ(statusLine(true, 2, 1, {true, false, false, false}), "[1 roms in list] [rom 1 selected] [Actions: T  ]");
    EXPECT_EQ(statusLine(true, 11, 7, {}), "[10 roms in list] [rom 7 selected] [Actions:   ]");
}

}  // namespace
}  // namespace kst
