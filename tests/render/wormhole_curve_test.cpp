#include <gtest/gtest.h>

#include <cmath>

#include "render/projection.h"
#include "render/wormhole_curve.h"
#include "tests/render/render_fixture.h"

namespace {

TEST(RestateUnits, LongerEndTakesTheOtherLevelsUnit)
{
    // Link placed by a level of cumulative scale 0.1 at 0.5, target by the root at 2.
    Vec3 a{0, 0, 0.5}, b{0, 0, 2};
    restate_units(a, b, 0.1, 1);
    EXPECT_DOUBLE_EQ(b.z, 20);
    EXPECT_DOUBLE_EQ(a.z, 0.5);

    Vec3 c{0, 2, 0}, d{0.5, 0, 0};
    restate_units(c, d, 0.1, 1);
    EXPECT_DOUBLE_EQ(c.y, 0.2);
    EXPECT_DOUBLE_EQ(d.x, 0.5);

    // Equal lengths: the link's end is the one restated.
    Vec3 e{0, 0, 1}, f{1, 0, 0};
    restate_units(e, f, 4, 2);
    EXPECT_DOUBLE_EQ(e.z, 2);
    EXPECT_DOUBLE_EQ(f.x, 1);
}

TEST(CurvePoints, HermiteWithoutTangentsEasesInAndOut)
{
    const Vec3 a{0, 0, 1}, b{1, 0, 1}, zero{0, 0, 0};
    Vec3 p[kCurvePoints];
    curve_points(a, b, zero, zero, p);
    for (int i = 0; i < kCurvePoints; ++i) {
        const double t = i / 29.0;
        EXPECT_NEAR(p[i].x, 3 * t * t - 2 * t * t * t, 1e-12) << i;
        EXPECT_DOUBLE_EQ(p[i].y, 0);
        EXPECT_DOUBLE_EQ(p[i].z, 1);
    }
    EXPECT_EQ(p[0].x, 0);
    EXPECT_DOUBLE_EQ(p[29].x, 1);
    EXPECT_LT(p[1].x - p[0].x, p[15].x - p[14].x);  // closer together near the ends
}

TEST(CurvePoints, TangentsAlongTheSpanGiveEvenSteps)
{
    const Vec3 a{0, 0, 1}, b{1, 0, 1}, t{1, 0, 0};
    Vec3 p[kCurvePoints];
    curve_points(a, b, t, t, p);
    for (int i = 0; i < kCurvePoints; ++i)
        EXPECT_NEAR(p[i].x, i / 29.0, 1e-12) << i;
}

TEST(CurvePoints, SelfTargetStartsAndEndsAtOnePoint)
{
    const Vec3 a{0.3, -0.2, 2}, ta{0, 0.1, 0}, tb{0.1, 0, 0};
    Vec3 p[kCurvePoints];
    curve_points(a, a, ta, tb, p);
    EXPECT_DOUBLE_EQ(p[0].x, p[29].x);
    EXPECT_DOUBLE_EQ(p[0].y, p[29].y);
    EXPECT_DOUBLE_EQ(p[0].z, p[29].z);
    EXPECT_GT(std::fabs(p[10].y - a.y), 1e-3);  // but loops out in between
}

using CurveSegments = RenderFixture;

TEST_F(CurveSegments, WhollyInFrontGivesTwentyNineJoinedSegments)
{
    const Vec3 a{-1, 0, 2}, b{1, 0, 2}, zero{0, 0, 0};
    Vec3 p[kCurvePoints];
    curve_points(a, b, zero, zero, p);
    XSegment s[kCurvePoints - 1];
    ASSERT_EQ(curve_segments(p, s), 29);
    EXPECT_EQ(s[0].x1, 320 - 224);
    EXPECT_EQ(s[28].x2, 320 + 224);
    for (int i = 1; i < 29; ++i)
        EXPECT_EQ(s[i].x1, s[i - 1].x2);
}

// Where a run from a to b meets the plane z = 0.001.
Vec3 crossing(const Vec3 &a, const Vec3 &b)
{
    const double t = (0.001 - a.z) / (b.z - a.z);
    return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t, 0.001};
}

void expect_segment(const XSegment &s, const Vec3 &from, const Vec3 &to)
{
    const ScreenPoint p = project_to_screen(from);
    const ScreenPoint q = project_to_screen(to);
    EXPECT_EQ(s.x1, p.x);
    EXPECT_EQ(s.y1, p.y);
    EXPECT_EQ(s.x2, q.x);
    EXPECT_EQ(s.y2, q.y);
}

TEST_F(CurveSegments, CutAtTheNearPlaneAndResumedFromTheCrossing)
{
    // Depth 1 down through the viewer's plane to -1 and back up to 1; points
    // 0..7 and 22..29 lie in front.
    Vec3 p[kCurvePoints];
    for (int i = 0; i < kCurvePoints; ++i) {
        const double t = i / 29.0;
        p[i] = {1e-4 * (t - 0.5), 1e-4, std::fabs(4 * t - 2) - 1};
    }
    XSegment s[kCurvePoints - 1];
    ASSERT_EQ(curve_segments(p, s), 16);
    expect_segment(s[6], p[6], p[7]);
    expect_segment(s[7], p[7], crossing(p[7], p[8]));
    expect_segment(s[8], crossing(p[21], p[22]), p[22]);
    expect_segment(s[15], p[28], p[29]);

    Vec3 behind[kCurvePoints];
    for (int i = 0; i < kCurvePoints; ++i)
        behind[i] = {0, 0, -1.0 - i};
    EXPECT_EQ(curve_segments(behind, s), 0);
}

TEST_F(CurveSegments, ClippedEndIsCarriedIntoTheNextSegment)
{
    // Only point 10 lies behind: the curve runs to the first crossing and goes
    // on from there, not from where the line 10-11 meets the plane.
    Vec3 p[kCurvePoints];
    for (int i = 0; i < kCurvePoints; ++i)
        p[i] = {1e-4 * (i - 10), 1e-4, i == 10 ? -1.0 : 1.0};
    XSegment s[kCurvePoints - 1];
    ASSERT_EQ(curve_segments(p, s), 29);
    const Vec3 cut = crossing(p[9], p[10]);
    expect_segment(s[9], p[9], cut);
    expect_segment(s[10], cut, p[11]);
    EXPECT_NE(s[10].x1, project_to_screen(crossing(p[10], p[11])).x);
}

}  // namespace
