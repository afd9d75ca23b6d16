#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "render/projection.h"

namespace {

struct Projected {
    Vec3 v;
    int x, y;
};

TEST(Projection, CentresAndFocalFactor)
{
    // 640 wide: focal factor 448 round (320, 240).
    const Projected cases[] = {
        {{0, 0, 2}, 320, 240},
        {{1, 1, 2}, 544, 16},
        {{-1, -1, 2}, 96, 464},
        {{0.001, 0, 1}, 320, 240},   // 0.448 truncated towards zero
        {{-0.003, 0, 1}, 318, 240},  // -1.344 truncated towards zero
    };
    for (const Projected &c : cases) {
        const ScreenPoint s = project_point(c.v, 640, 320, 240);
        EXPECT_EQ(s.x, c.x) << c.v.x << "," << c.v.y << "," << c.v.z;
        EXPECT_EQ(s.y, c.y) << c.v.x << "," << c.v.y << "," << c.v.z;
    }
}

TEST(Projection, ClampSlidesTowardsTheOrigin)
{
    // Width 1000 gives focal length 700; centre (0, 0) makes the raw point x*700/z, -y*700/z.
    const Projected cases[] = {
        {{20000, -40000, 700}, 5000, 10000},    // x first, then y
        {{-30000, -300, 700}, -10000, 100},
        {{500, 20000, 700}, 250, -10000},
        {{10000, -10000, 700}, 10000, 10000},   // exactly on the limits: untouched
    };
    for (const Projected &c : cases) {
        const ScreenPoint s = project_point(c.v, 1000, 0, 0);
        EXPECT_EQ(s.x, c.x) << c.v.x << "," << c.v.y;
        EXPECT_EQ(s.y, c.y) << c.v.x << "," << c.v.y;
    }
}

TEST(Projection, BehindAndAtDepthZeroStayInRange)
{
    // Behind the viewer the formula mirrors the point.
    const ScreenPoint mirrored = project_point({1, 0, -2}, 640, 320, 240);
    EXPECT_EQ(mirrored.x, 320 - 224);

    const double inf = std::numeric_limits<double>::infinity();
    const Vec3 points[] = {{0, 0, 0}, {1, 0, 0}, {-1, 2, 0}, {1e300, -1e300, 1e-300}, {inf, inf, 1}, {0, 0, -0.0}};
    for (const Vec3 &v : points) {
        const ScreenPoint s = project_point(v, 640, 320, 240);
        EXPECT_LE(std::abs(s.x), 10000);
        EXPECT_LE(std::abs(s.y), 10000);
    }
    EXPECT_EQ(project_point({1, 0, 0}, 640, 320, 240).x, 10000);
    EXPECT_EQ(project_point({-1, 0, 0}, 640, 320, 240).x, -10000);
}

TEST(ViewCone, StrictPyramid)
{
    struct Case {
        Vec3 v;
        bool in;
    } cases[] = {
        {{1, 0, 1}, true},     {{1.5, 0, 1}, false},  // 1 is not above 1.05
        {{0, 0, 0}, false},    {{0, 0, 1e-9}, true},   {{0, 0, -1}, false},
        {{0, 1, 0.7}, false},  // exactly on the side
        {{10, 0, 7}, false},   {{0, -1.4, 1}, true},   {{0, -1.5, 1}, false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(in_view_cone(c.v), c.in) << c.v.x << "," << c.v.y << "," << c.v.z;
}

TEST(NearPlane, KeepsDropsAndWritesTheMovedEndBack)
{
    Vec3 a{1, 2, 3}, b{4, 5, 6};
    EXPECT_TRUE(clip_to_near_plane(a, b));
    EXPECT_DOUBLE_EQ(a.x, 1);
    EXPECT_DOUBLE_EQ(b.z, 6);

    Vec3 c{1, 1, 0.001}, d{2, 2, -1};  // exactly on the plane counts as behind
    EXPECT_FALSE(clip_to_near_plane(c, d));
    EXPECT_DOUBLE_EQ(c.x, 1);
    EXPECT_DOUBLE_EQ(d.z, -1);

    Vec3 e{0, 0, -0.999}, f{2, 4, 1.001};  // start behind: the start moves to the plane
    EXPECT_TRUE(clip_to_near_plane(e, f));
    EXPECT_DOUBLE_EQ(e.x, 1);
    EXPECT_DOUBLE_EQ(e.y, 2);
    EXPECT_EQ(e.z, 0.001);
    EXPECT_DOUBLE_EQ(f.x, 2);

    Vec3 g{2, 4, 1.001}, h{0, 0, -0.999};  // end behind: the end moves, measured from the start
    EXPECT_TRUE(clip_to_near_plane(g, h));
    EXPECT_DOUBLE_EQ(h.x, 2 - 2 * 0.5);
    EXPECT_DOUBLE_EQ(h.y, 4 - 4 * 0.5);
    EXPECT_EQ(h.z, 0.001);
    EXPECT_DOUBLE_EQ(g.z, 1.001);
}

TEST(ProjectedRadius, WidthOverTrueDistance)
{
    EXPECT_EQ(projected_radius(640, 0.1, 2), 32);
    EXPECT_EQ(projected_radius(640, 0.1, 2.0001), 31);
    // Measured with the true distance, not the depth: (3, 0, 4) is 5 away.
    EXPECT_EQ(projected_radius(500, 1, std::sqrt(3.0 * 3 + 4 * 4)), 100);
    EXPECT_EQ(projected_radius(640, 1, 0), std::numeric_limits<int>::max());
}

TEST(ProjectedRadius, DrawRadiusFitsSixteenBitBoxes)
{
    EXPECT_EQ(draw_radius(640, 0.1, 2), 32);
    EXPECT_EQ(draw_radius(640, 1, 1e-6), kMaxDrawRadius);
    EXPECT_EQ(draw_radius(640, 1, 0.0), kMaxDrawRadius);
    EXPECT_EQ(draw_radius(640, -1, 2), 0);
    EXPECT_EQ(draw_radius(640, std::nan(""), 2), 0);
    // The box of a largest disc round a clamped centre still fits 16 bits.
    EXPECT_GE(-10000 - kMaxDrawRadius, -32768);
    EXPECT_LE(10000 + kMaxDrawRadius, 32767);
    EXPECT_LE(2 * kMaxDrawRadius, 65535);
}

TEST(ProjectedRadius, ClampToShort)
{
    EXPECT_EQ(clamp_to_short(40000), 32767);
    EXPECT_EQ(clamp_to_short(-40000), -32768);
    EXPECT_EQ(clamp_to_short(-123), -123);
}

}  // namespace
