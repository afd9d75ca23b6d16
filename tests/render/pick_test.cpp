#include <gtest/gtest.h>

#include <climits>

#include "render/pick.h"
#include "tests/render/render_fixture.h"

namespace {

TEST(PickHit, StrictlyInside)
{
    EXPECT_TRUE(pick_hit(10, 10, 10, 10, 1));
    EXPECT_FALSE(pick_hit(13, 14, 10, 10, 5));  // on the circle: 9 + 16 = 25
    EXPECT_TRUE(pick_hit(13, 13, 10, 10, 5));
    EXPECT_FALSE(pick_hit(10, 10, 10, 10, 0));  // a zero radius holds nothing
}

TEST(PickHit, HugeRadiiAndOffsetsDoNotOverflow)
{
    // A galaxy pick radius near the int range: its square needs 64 bits.
    EXPECT_TRUE(pick_hit(320, 240, -10000, 10000, INT_MAX));
    EXPECT_TRUE(pick_hit(320, 240, 320, 240, 46341));  // 46341^2 passes 2^31
    EXPECT_FALSE(pick_hit(320 + 46341, 240, 320, 240, 46341));
    EXPECT_FALSE(pick_hit(LLONG_MAX, LLONG_MIN, 0, 0, 1000));
    EXPECT_TRUE(pick_hit(LLONG_MAX, 0, 32767, 0, INT_MAX));
}

using PickTest = RenderFixture;

TEST_F(PickTest, CursorAtCentrePlusOffsetLastHitWins)
{
    Star near{}, far{}, away{};
    part.cursorDx = 30;
    part.cursorDy = -20;  // the cursor stands at (350, 220)
    pick_test(&far, 350, 225, 10);
    EXPECT_EQ(part.pickedStar, &far);
    pick_test(&near, 352, 220, 3);
    EXPECT_EQ(part.pickedStar, &near);
    pick_test(&away, 320, 240, 20);  // a miss keeps the earlier star
    EXPECT_EQ(part.pickedStar, &near);
}

}  // namespace
