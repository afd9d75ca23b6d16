#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "render/projection.h"
#include "render/ring.h"
#include "tests/render/render_fixture.h"

namespace {

struct RingTest : RenderFixture {
    void SetUp() override
    {
        RenderFixture::SetUp();
        init_trig_tables();
    }
};

TEST_F(RingTest, TablesHoldThreeDegreeSteps)
{
    EXPECT_EQ(cosTable[0], 1.0);
    EXPECT_EQ(sinTable[0], 0.0);
    EXPECT_DOUBLE_EQ(sinTable[30], 1.0);
    EXPECT_DOUBLE_EQ(cosTable[60], -1.0);
    EXPECT_EQ(sinTable[119], std::sin(119 * 0.05235987755982988));
    EXPECT_NEAR(sinTable[119], std::sin(357.0 * M_PI / 180.0), 1e-15);
}

TEST(RingStep, DistanceInRadiiPlusOneCappedAtTen)
{
    const struct {
        double d, r;
        int step;
    } cases[] = {
        {0.5, 1, 1}, {0, 1, 1},   {3.2, 1, 4},  {6.5, 1, 7},   {8.99, 1, 9},
        {50, 1, 10}, {9, 1, 10},  {1, 0, 10},   {0, 0, 1},     {0.16, 0.05, 4},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ring_step(c.d, c.r), c.step) << c.d << "/" << c.r;
    EXPECT_EQ(ring_step(std::nan(""), 1), 1);
    EXPECT_EQ(ring_step(1e300, 1e-300), 10);
}

TEST_F(RingTest, SegmentCountsFollowTheStep)
{
    // A ring facing the viewer far in front: nothing clipped, nothing behind the centre.
    const Vec3 v{0, 0, 100};
    const Vec3 a{1, 0, 0}, b{0, 1, 0};
    const struct {
        int step, segments;
    } cases[] = {{1, 120}, {3, 40}, {4, 30}, {7, 18}, {9, 14}, {10, 12}};
    for (const auto &c : cases) {
        RingSegments ring;
        ring_walk(v, a, b, c.step, ring);
        EXPECT_EQ(ring.backCount + ring.frontCount, c.segments) << c.step;
    }
}

TEST_F(RingTest, FirstSegmentRunsFromTheLastIndexToZero)
{
    // Step 7: the first segment runs from index 113 to index 0 and overlaps the last.
    const Vec3 v{0, 0, 100};
    const Vec3 a{10, 0, 0}, b{0, 10, 0};
    RingSegments ring;
    ring_walk(v, a, b, 7, ring);
    ASSERT_EQ(ring.frontCount, 18);
    const ScreenPoint start = project_to_screen({v.x + 10 * cosTable[113], v.y + 10 * sinTable[113], 100});
    const ScreenPoint zero = project_to_screen({10, 0, 100});
    EXPECT_EQ(ring.front[0].x1, start.x);
    EXPECT_EQ(ring.front[0].y1, start.y);
    EXPECT_EQ(ring.front[0].x2, zero.x);
    EXPECT_EQ(ring.front[0].y2, zero.y);
    // The last one runs from 112 to 119, past the first one's start at 113.
    const ScreenPoint p112 = project_to_screen({10 * cosTable[112], 10 * sinTable[112], 100});
    const ScreenPoint p119 = project_to_screen({10 * cosTable[119], 10 * sinTable[119], 100});
    EXPECT_EQ(ring.front[17].x1, p112.x);
    EXPECT_EQ(ring.front[17].y1, p112.y);
    EXPECT_EQ(ring.front[17].x2, p119.x);
    EXPECT_EQ(ring.front[17].y2, p119.y);
}

TEST_F(RingTest, RootRingOnTheFirstFrameIsTheEyeLevelLine)
{
    // Root ring in the x-z plane, centre two radii ahead: step 3, every point on
    // row 240, spanning 320 +- 448 / sqrt(3).
    RingSegments ring;
    ring_walk({0, 0, 2}, {1, 0, 0}, {0, 0, 1}, ring_step(2, 1), ring);
    EXPECT_EQ(ring.backCount + ring.frontCount, 40);
    int minX = 1000, maxX = -1000;
    auto visit = [&](const XSegment *s, int n) {
        for (int i = 0; i < n; ++i) {
            EXPECT_EQ(s[i].y1, 240);
            EXPECT_EQ(s[i].y2, 240);
            minX = std::min({minX, int(s[i].x1), int(s[i].x2)});
            maxX = std::max({maxX, int(s[i].x1), int(s[i].x2)});
        }
    };
    visit(ring.back, ring.backCount);
    visit(ring.front, ring.frontCount);
    EXPECT_NEAR(minX, 62, 2);
    EXPECT_NEAR(maxX, 578, 2);
    // Indices 3..57 lie strictly deeper than the centre (0 and 60 at its depth):
    // the 18 segments between them form the back list.
    EXPECT_EQ(ring.backCount, 18);
    EXPECT_EQ(ring.frontCount, 22);
}

TEST_F(RingTest, BackListHoldsOnlySegmentsWhollyDeeperThanTheCentre)
{
    // Tilted ring: axis B leans away from the viewer.
    const Vec3 v{0, 0, 5}, a{1, 0, 0}, b{0, 0.6, 0.8};
    RingSegments ring;
    ring_walk(v, a, b, 1, ring);
    EXPECT_EQ(ring.backCount + ring.frontCount, 120);
    // Index k is deeper than the centre when sin k > 0: k = 1..59. Segments
    // 1-2 ... 58-59 have both ends deeper: 58 of them.
    EXPECT_EQ(ring.backCount, 58);
    for (int i = 0; i < ring.backCount; ++i)
        EXPECT_LT(ring.back[i].y1, 240);  // the far half lies above the centre row
}

TEST_F(RingTest, RingAroundTheViewerIsCutAtTheNearPlane)
{
    // Viewer inside a ring in the x-z plane, centre behind: only the part ahead survives,
    // and every projected end stays inside the clamp.
    const Vec3 v{0, 0, -0.5}, a{2, 0, 0}, b{0, 0, 2};
    RingSegments ring;
    ring_walk(v, a, b, 1, ring);
    const int kept = ring.backCount + ring.frontCount;
    EXPECT_GT(kept, 0);
    EXPECT_LT(kept, 120);
    for (int i = 0; i < ring.backCount; ++i) {
        EXPECT_LE(std::abs(ring.back[i].x1), 10000);
        EXPECT_LE(std::abs(ring.back[i].x2), 10000);
    }
    for (int i = 0; i < ring.frontCount; ++i) {
        EXPECT_LE(std::abs(ring.front[i].x1), 10000);
        EXPECT_LE(std::abs(ring.front[i].x2), 10000);
    }
}

}  // namespace
