#include "romlist/status_text.h"

#include <gtest/gtest.h>

namespace kst {
namespace {

TEST(StatusTextTest, ActionLetters)
{
    struct Case {
        ops::Actions actions;
        const char* text;
    };
    const Case cases[] = {
        {{}, "[Actions:   ]"},
        {{.truncate = true}, "[Actions: T  ]"},
        {{.applyExitHack = true}, "[Actions:   E]"},
        {{.removeIntro = true, .applyExitHack = true}, "[Actions:  R E]"},
        {{.all = true}, "[Actions: T R E]"},  // All, whatever the three marks
        {{.removeIntro = true, .truncate = true, .applyExitHack = true}, "[Actions: T R E]"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(actionText(c.actions), c.text);
}

TEST(StatusTextTest, StatusLine)
{
    const ApplyMode process = ApplyMode::Process;
    EXPECT_EQ(statusLine(false, 2, 1, process, {}), "{No Roms in List}");
    EXPECT_EQ(statusLine(true, 2, 1, process, {.truncate = true}), "[1 roms in list] [rom 1 selected] [Actions: T  ]");
    EXPECT_EQ(statusLine(true, 11, 7, process, {}), "[10 roms in list] [rom 7 selected] [Actions:   ]");
    // The chosen actions do not apply while Apply removes the patch.
    EXPECT_EQ(statusLine(true, 2, 1, ApplyMode::RemoveEH, {.all = true}),
              "[1 roms in list] [rom 1 selected] [Actions: Remove ExitHack patch]");
}

}  // namespace
}  // namespace kst
