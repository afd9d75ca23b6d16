#include "tests/soak/ring_targets.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr std::uint32_t kCyan = 0x00ffff, kGray = 0xbebebe, kGreen = 0x00ff00;

struct Canvas {
    int w, h;
    std::vector<std::uint32_t> px;
    Canvas(int width, int height) : w(width), h(height), px(static_cast<std::size_t>(width) * height, 0) {}
    void dot(int x, int y, std::uint32_t c) { px[static_cast<std::size_t>(y) * w + x] = c; }
    // Dots one degree apart along the arc [from, to) of a circle.
    void arc(int cx, int cy, int r, std::uint32_t c, int from = 0, int to = 360)
    {
        for (int a = from; a < to; ++a)
            dot(cx + static_cast<int>(std::lround(r * std::cos(a * M_PI / 180))),
                    cy + static_cast<int>(std::lround(r * std::sin(a * M_PI / 180))), c);
    }
    std::vector<soak::RingTarget> targets() const { return soak::ring_targets(w, h, px.data(), {kCyan, kGray}); }
};

TEST(RingTargets, EachRingIsOneTargetWithItsBox)
{
    Canvas c(200, 120);
    c.arc(40, 50, 30, kCyan, 0, 80);  // a short gap, as where a disc covers it
    c.arc(40, 50, 30, kCyan, 86, 360);
    c.arc(150, 60, 20, kGray);
    c.arc(100, 100, 10, kGreen);  // another colour: no target
    const auto t = c.targets();
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].left, 10);
    EXPECT_EQ(t[0].right, 70);
    EXPECT_EQ(t[0].top, 20);
    EXPECT_EQ(t[0].bottom, 80);
    EXPECT_EQ(t[0].centre_x(), 40);
    EXPECT_EQ(t[0].centre_y(), 50);
    EXPECT_EQ(t[0].extent(), 61);
    EXPECT_EQ(t[1].centre_x(), 150);
    EXPECT_EQ(t[1].centre_y(), 60);
}

TEST(RingTargets, WideGapsSplitAndEdgesHold)
{
    Canvas c(64, 64);
    c.arc(32, 32, 28, kCyan, 40, 180);  // the ring in two pieces, far apart at both cuts
    c.arc(32, 32, 28, kCyan, 220, 360);
    EXPECT_EQ(c.targets().size(), 2u);

    Canvas corner(5, 3);  // cells cut short at the right and bottom edges
    corner.dot(4, 2, kGray);
    const auto t = corner.targets();
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0].left, 4);
    EXPECT_EQ(t[0].bottom, 2);
    EXPECT_EQ(t[0].pixels, 1);

    EXPECT_TRUE(Canvas(0, 0).targets().empty());
    EXPECT_TRUE(Canvas(8, 8).targets().empty());
}

}  // namespace
