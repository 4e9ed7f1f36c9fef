#include "settings/window_bounds.h"

#include <gtest/gtest.h>

namespace kst {
namespace {

TEST(WindowBounds, StoredBoundsAreFittedIntoTheScreenOnlyWhenTheyDoNotFit)
{
    const struct {
        WindowBounds stored;
        WindowBounds expected;
        WindowBounds screen = {0, 0, 1280, 1024};
    } rows[] = {
        {{300, 240, 640, 480}, {300, 240, 640, 480}},        // fits: as stored
        {{0, 0, 1280, 1024}, {0, 0, 1280, 1024}},            // fills the screen exactly
        {{300, 240, 1600, 1120}, {0, 0, 1280, 1024}},        // a larger screen's bounds
        {{1000, 900, 640, 480}, {640, 544, 640, 480}},       // off the right and bottom: moved
        {{-200, -50, 640, 480}, {0, 0, 640, 480}},           // off the left and top: moved
        {{5000, 100, 2000, 300}, {0, 100, 1280, 300}},       // too wide and far right
        {{0, 0, 640, 480}, {64, 32, 640, 480}, {64, 32, 1216, 992}},  // a panel on the left and top
    };
    for (const auto& row : rows)
        EXPECT_EQ(fitIntoArea(row.stored, row.screen), row.expected)
            << row.stored.left << "," << row.stored.top << " " << row.stored.width << "x" << row.stored.height;
}

}  // namespace
}  // namespace kst
