#include <gtest/gtest.h>

#include <limits>

#include "hud/hud_angles.h"

namespace {

struct AngleCase {
    Vec3 forward;
    int heading;
    int pitch;
};

TEST(HudAngles, HeadingAndPitchTable)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const AngleCase cases[] = {
        {{0, 0, 1}, 0, 0},
        {{1, 0, 0}, 90, 0},      // along +x: no pitch to measure, shown level
        {{0, 0, -1}, 180, 180},
        {{-1, 0, 0}, 270, 0},    // along -x likewise
        {{0.6, 0, 0.8}, 36, 0},
        // Turning right from heading 0 (right is -x in polar flight) goes negative,
        // truncated towards zero, not down to -37.
        {{-0.6, 0, 0.8}, -36, 0},
        {{0.6, 0, -0.8}, 144, 180},
        {{-0.6, 0, -0.8}, 216, 180},
        {{0.8, 0, 0.6}, 54, 0},
        {{-0.8, 0, 0.6}, 306, 0},
        {{-0.8, 0, -0.6}, 234, 180},
        {{0, 0.6, 0.8}, 0, 36},
        {{0, -0.6, 0.8}, 0, -36},
        {{0, 0.8, -0.6}, 180, 126},
        // Straight up or down: no heading to measure, shown as 0.
        {{0, 1, 0}, 0, 90},
        {{0, -1, 0}, 0, 270},
        {{-0.0, 1, -0.0}, 0, 90},
        // The smallest step off the vertical already has a heading.
        {{5e-324, 1, 0}, 90, 90},
        {{0, 1, -5e-324}, 180, 90},
        {{nan, nan, nan}, 0, 0},
    };
    for (const AngleCase &c : cases) {
        SCOPED_TRACE(testing::Message() << "forward (" << c.forward.x << ", " << c.forward.y << ", "
                                        << c.forward.z << ")");
        EXPECT_EQ(hud_heading(c.forward), c.heading);
        EXPECT_EQ(hud_pitch(c.forward), c.pitch);
    }
}

}  // namespace
