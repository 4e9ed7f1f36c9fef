#include "settings/setting_values.h"

#include <gtest/gtest.h>

namespace kst {
namespace {

TEST(ReadingRules, IntegersAreDecimalOrHexWithTheDefaultForAnythingElse)
{
    struct Case {
        const char* text;
        int expected;
    };
    const Case cases[] = {
        {"0", 0},          {"640", 640},           {"-5", -5},          {"+7", 7},
        {"007", 7},        {"08", 8},              {"0x1", 1},          {"0X1f", 31},
        {"0x7FFFFFFF", 2147483647},                {"2147483647", 2147483647},
        {"-2147483648", -2147483648},              {"2147483648", 99},  {"-2147483649", 99},
        {"0x80000000", 99}, {"99999999999999999999", 99},
        {"", 99},          {"abc", 99},            {"12abc", 99},       {"1 2", 99},
        {" 5", 99},        {"5 ", 99},             {"-", 99},           {"--1", 99},
        {"0x", 99},        {"0x-1", 99},           {"0xg", 99},         {"-0x10", 99},
        {"1.5", 99},       {"$10", 99},
    };
    for (const Case& c : cases)
        EXPECT_EQ(readIntegerSetting(c.text, 99), c.expected) << '"' << c.text << '"';
}

TEST(ReadingRules, ActionFlagsTakeAnyNonZeroIntegerSwitchesOnlyExactlyOne)
{
    struct Case {
        const char* text;
        bool flag;
        bool switchOn;
    };
    const Case cases[] = {{"1", true, true},    {"0x1", true, false}, {"-1", true, false},  {"01", true, false},
                          {"2", true, false},   {"0", false, false},  {"", false, false},   {"true", false, false},
                          {"1 ", false, false}};
    for (const Case& c : cases) {
        EXPECT_EQ(readFlagSetting(c.text), c.flag) << '"' << c.text << '"';
        EXPECT_EQ(readSwitchSetting(c.text), c.switchOn) << '"' << c.text << '"';
    }
    EXPECT_TRUE(readSwitchSetting(options::defaults::Switch));
}

TEST(ReadingRules, DefaultFoldersEndInOneSeparator)
{
    EXPECT_EQ(defaultOutputFolder("/opt/kestrom"), "/opt/kestrom/");
    EXPECT_EQ(defaultOutputFolder("/opt/kestrom/"), "/opt/kestrom/");
    EXPECT_EQ(defaultTemporaryFolder("/run/user/1000/kestrom"), "/run/user/1000/kestrom/");
    EXPECT_EQ(defaultTemporaryFolder("/tmp/kestrom-1000/"), "/tmp/kestrom-1000/");
}

}  // namespace
}  // namespace kst
