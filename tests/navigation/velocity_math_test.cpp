#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "navigation/velocity.h"

namespace {

TEST(VelocityMath, AddShrinksWithSpeed)
{
    double v = velocity_after_add(0, 0.05);
    EXPECT_DOUBLE_EQ(v, 0.05);
    v = velocity_after_add(v, 0.05);
    EXPECT_DOUBLE_EQ(v, 0.05 + 0.05 / 1.05);
    // Backwards the step is shrunk by the speed's magnitude too.
    EXPECT_DOUBLE_EQ(velocity_after_add(-1, -1), -1.5);
    EXPECT_DOUBLE_EQ(velocity_after_add(3, -1), 2.75);
}

TEST(VelocityMath, BrakeApproachesZeroAndNeverCrosses)
{
    struct Case {
        double from, x, to;
    } const cases[] = {
        {1, 0.1, 0.8},
        {0.8, 0.1, 0.62},
        {-0.5, 0.1, -0.35},
        {0, 0.1, 0},
        {0.05, 0.1, 0},   // 0.05 - 0.105 is clamped
        {-0.05, 0.1, 0},  // -0.05 + 0.105 is clamped
        {2, 0, 2},        // brake(0) holds the speed
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.from);
        EXPECT_NEAR(velocity_after_brake(c.from, c.x), c.to, 1e-15);
    }

    // Held down, braking reaches exactly 0 and stays there.
    double v = 3;
    int frames = 0;
    while (v != 0 && frames < 1000) {
        v = velocity_after_brake(v, 0.1);
        ++frames;
    }
    EXPECT_EQ(v, 0);
    EXPECT_EQ(velocity_after_brake(v, 0.1), 0);
}

TEST(VelocityMath, CursorOffsetsTruncateTowardsZero)
{
    EXPECT_EQ(cursor_offset_to(0.5, 320), 160);
    EXPECT_EQ(cursor_offset_to(-0.25, 240), -60);
    EXPECT_EQ(cursor_offset_to(0.999, 3), 2);
    EXPECT_EQ(cursor_offset_to(-0.999, 3), -2);
    EXPECT_EQ(cursor_offset_by(-0.2, 320, 160), 96);
    EXPECT_EQ(cursor_offset_by(0.2, 240, -60), -12);
    EXPECT_EQ(cursor_offset_by(-0.01, 100, 0), -1);
    EXPECT_EQ(cursor_offset_by(-0.015, 100, 2), 0);  // 0.5 truncates to 0
    // Huge action parameters saturate instead of overflowing int.
    EXPECT_EQ(cursor_offset_to(1e300, 320), INT_MAX);
    EXPECT_EQ(cursor_offset_by(-1e300, 320, 5), INT_MIN);
    EXPECT_EQ(cursor_offset_to(NAN, 320), 0);
}

}  // namespace
