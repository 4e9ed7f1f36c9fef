#include "core/kilobytes.h"

#include <gtest/gtest.h>

namespace kst {
namespace {

TEST(KilobytesTest, RoundsDown)
{
    EXPECT_EQ(kilobytes(4194304), "4096 KB");
    EXPECT_EQ(kilobytes(178), "0 KB");
    EXPECT_EQ(kilobytes(2047), "1 KB");
}

}  // namespace
}  // namespace kst
