#include <gtest/gtest.h>

#include <cstring>

#include "navigation/navigation_step.h"
#include "tests/navigation/flight_fixture.h"
#include "widget/MainScreenP.h"

namespace {

// The widget's part as Xt hands it over (zero-filled), on a 640x480 window.
struct StepFixture {
    FlightFixture fx;
    MainScreenPart ms;

    StepFixture()
    {
        std::memset(&ms, 0, sizeof ms);
        ms.centerX = 320;
        ms.centerY = 240;
        ms.pitchLimit = 70;
        ms.viewpoint = fx.vp;
    }
    const GalaxyLevel &level0() const { return ms.viewpoint.levels[0]; }
};

TEST(NavigationStep, SteeringFliesPolarOrCartesian)
{
    StepFixture polar;
    polar.ms.velocity = 1;
    polar.ms.cursorDx = 256;  // right-hand limit
    // Polar: each frame turns the line of sight towards that frame's right
    // and moves the viewer along the new line of sight.
    for (int frame = 0; frame < 3; ++frame) {
        const Vec3 right = polar.ms.viewpoint.right;
        const Vec3 before = polar.ms.viewpoint.forward;
        const Vec3 position = polar.level0().position;
        navigation_step(polar.ms);
        const Vec3 &f = polar.ms.viewpoint.forward;
        EXPECT_NEAR(vec3_dot(Vec3{f.x - before.x, f.y - before.y, f.z - before.z}, right), 0.046, 0.001);
        const Vec3 &p = polar.level0().position;
        EXPECT_NEAR(p.x - position.x, 0.02 * f.x, 1e-15);
        EXPECT_NEAR(p.z - position.z, 0.02 * f.z, 1e-15);
    }

    StepFixture cartesian;
    cartesian.ms.flyingMode = 1;
    cartesian.ms.cursorDx = 256;
    navigation_step(cartesian.ms);
    // Cartesian at rest: the basis stays, the viewer drifts along right (+x).
    EXPECT_EQ(cartesian.ms.viewpoint.forward.z, 1);
    EXPECT_EQ(cartesian.ms.viewpoint.right.x, 1);
    EXPECT_GT(cartesian.level0().position.x, 0);
}

TEST(NavigationStep, FrozenMakesNoStepAndHoldsRelevelling)
{
    StepFixture s;
    s.ms.frozen = True;
    s.ms.velocity = 5;
    s.ms.cursorDx = 200;
    navigation_step(s.ms);
    s.ms.navigationState = 2;
    navigation_step(s.ms);
    EXPECT_EQ(s.ms.navigationState, 2);
    EXPECT_EQ(s.ms.viewpoint.right.x, 1);  // not even the first rebuild
    EXPECT_EQ(s.level0().position.z, -2);
}

TEST(NavigationStep, RelevellingStandsStillThenHandsBackToSteering)
{
    StepFixture s;
    s.ms.navigationState = 2;
    s.ms.velocity = 10;
    s.ms.viewpoint.forward = Vec3{0, 0.6, 0.8};
    s.ms.viewpoint.up = Vec3{0, 0.8, -0.6};
    int frames = 0;
    while (s.ms.navigationState == 2 && frames < 100) {
        navigation_step(s.ms);
        ++frames;
        // No translation while re-levelling, including the frame that ends it.
        EXPECT_EQ(s.level0().position.z, -2);
    }
    EXPECT_EQ(s.ms.navigationState, 0);
    EXPECT_GT(frames, 1);
    // The next frame flies again, with the unchanged velocity.
    navigation_step(s.ms);
    EXPECT_GT(s.level0().position.z, -2 + 0.19);
}

TEST(NavigationStep, UnknownStateAndZeroCentreAreHarmless)
{
    StepFixture unknown;
    unknown.ms.navigationState = 1;
    unknown.ms.velocity = 1;
    navigation_step(unknown.ms);
    EXPECT_EQ(unknown.level0().position.z, -2);
    EXPECT_EQ(unknown.ms.viewpoint.right.x, 1);

    // A 1x1 window: both centres 0. The viewer still flies straight ahead.
    StepFixture tiny;
    tiny.ms.centerX = 0;
    tiny.ms.centerY = 0;
    tiny.ms.velocity = 1;
    navigation_step(tiny.ms);
    EXPECT_EQ(tiny.ms.viewpoint.forward.z, 1);
    EXPECT_DOUBLE_EQ(tiny.level0().position.z, -2 + 0.02);
}

}  // namespace
