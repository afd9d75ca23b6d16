#include <gtest/gtest.h>

#include <climits>

#include "hud/hud_geometry.h"

namespace {

void expect_rect(const XRectangle &r, int x, int y, int width, int height)
{
    EXPECT_EQ(r.x, x);
    EXPECT_EQ(r.y, y);
    EXPECT_EQ(r.width, width);
    EXPECT_EQ(r.height, height);
}

TEST(HudGeometry, TapeAreasOf640By480)
{
    const TapeAreas t = hud_tape_areas(640, 320, 240);
    expect_rect(t.heading, 214, 378, 213, 64);
    expect_rect(t.pitch, 458, 134, 64, 213);
}

TEST(HudGeometry, TapeAreasOfTheWidestWindowSaturate)
{
    // 65535 pixels wide: the pitch tape starts beyond x = 32767; it must not
    // wrap round to a negative x and reappear on the left.
    const TapeAreas t = hud_tape_areas(65535, 32767, 32767);
    expect_rect(t.heading, 32767 - 10922, SHRT_MAX, 21845, 6553);
    expect_rect(t.pitch, SHRT_MAX, 32767 - 10922, 6553, 21845);
}

TEST(HudGeometry, CrosshairArmsRunFromSizeToTwiceSize)
{
    XSegment arms[4];
    crosshair_segments(arms, 320, 240, 10, -5, 20);
    const short want[4][4] = {{310, 235, 290, 235}, {350, 235, 370, 235}, {330, 215, 330, 195}, {330, 255, 330, 275}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(arms[i].x1, want[i][0]) << i;
        EXPECT_EQ(arms[i].y1, want[i][1]) << i;
        EXPECT_EQ(arms[i].x2, want[i][2]) << i;
        EXPECT_EQ(arms[i].y2, want[i][3]) << i;
    }
}

TEST(HudGeometry, CrosshairStaysInSixteenBits)
{
    // A huge cursorSize resource: 2 x size overflows an int, the ends saturate.
    XSegment arms[4];
    crosshair_segments(arms, 320, 240, 0, 0, INT_MAX);
    EXPECT_EQ(arms[0].x1, SHRT_MIN);
    EXPECT_EQ(arms[0].x2, SHRT_MIN);
    EXPECT_EQ(arms[1].x1, SHRT_MAX);
    EXPECT_EQ(arms[1].y1, 240);
    EXPECT_EQ(arms[2].y2, SHRT_MIN);
    EXPECT_EQ(arms[3].y2, SHRT_MAX);
    EXPECT_EQ(arms[3].x2, 320);

    crosshair_segments(arms, 30000, 30000, 2000, 2000, 1000);
    EXPECT_EQ(arms[0].x1, 31000);
    EXPECT_EQ(arms[1].x1, SHRT_MAX);  // 33000
    EXPECT_EQ(arms[1].y1, 32000);
}

}  // namespace
