#include <gtest/gtest.h>

#include <cmath>

#include "navigation/steering.h"

namespace {

struct SteeringCase {
    const char *what;
    int dx, dy, centerX, centerY;
    double sx, sy;
};

TEST(Steering, CubicResponseOnA640x480Window)
{
    const SteeringCase cases[] = {
        {"centred", 0, 0, 320, 240, 0, 0},
        {"right-hand limit", 256, 0, 320, 240, 0.8 * 0.24 * 0.24, 0},
        {"halfway left and down", -160, 120, 320, 240, -0.0225, -0.0225},
        {"up steers upwards", 0, -192, 320, 240, 0, 0.8 * 0.24 * 0.24},
        {"a pixel off centre barely steers", 1, 0, 320, 240, 0.09 / (320.0 * 320 * 320), 0},
    };
    for (const SteeringCase &c : cases) {
        SCOPED_TRACE(c.what);
        const Steering s = steering_amounts(c.dx, c.dy, c.centerX, c.centerY);
        EXPECT_NEAR(s.sx, c.sx, 1e-15);
        EXPECT_NEAR(s.sy, c.sy, 1e-15);
    }
}

TEST(Steering, ZeroCentreDoesNotSteerThatAxis)
{
    // A window 1 pixel wide: centreX 0 and the clamp holds dx at 0. The other
    // axis still steers, with only its own term in the distance.
    const Steering narrow = steering_amounts(0, 120, 0, 240);
    EXPECT_EQ(narrow.sx, 0);
    EXPECT_NEAR(narrow.sy, -0.5 * 0.15 * 0.15, 1e-15);

    for (const Steering s : {steering_amounts(0, 0, 0, 0), steering_amounts(5, -5, 0, 0)}) {
        EXPECT_EQ(s.sx, 0);
        EXPECT_EQ(s.sy, 0);
    }
}

}  // namespace
