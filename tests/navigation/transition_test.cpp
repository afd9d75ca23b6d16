#include <gtest/gtest.h>

#include "navigation/render_context.h"
#include "navigation/transition.h"
#include "navigation/viewpoint.h"
#include "universe/star.h"

namespace {

struct Transition : testing::Test {
    GalaxyLevel levels[kGalaxyStackSize]{};
    Viewpoint vp{};
    RenderContext rc{};
    Star root{}, child{}, grandchild{};

    void SetUp() override
    {
        vp.levels = levels;
        levels[0] = {1, 1, &root, {0, 0, -2}};
    }
};

TEST_F(Transition, EntersTheMarkedGalaxy)
{
    rc.enterGalaxy = &child;
    rc.enterScale = 0.25;
    rc.enterPosition = {0, 0, -0.4};
    EXPECT_EQ(galaxy_transition(vp, rc), 0.25);
    EXPECT_EQ(vp.depth, 1);
    EXPECT_EQ(levels[1].galaxy, &child);
    EXPECT_EQ(levels[1].scale, 0.25);
    EXPECT_EQ(levels[1].position.z, -0.4);
}

TEST_F(Transition, LeavesBeyondElevenTenthsOnly)
{
    vp.depth = 1;
    levels[1] = {0.3, 0.3, &child, {0, 1.2, 0}};
    EXPECT_EQ(galaxy_transition(vp, rc), 0.3);
    EXPECT_EQ(vp.depth, 0);
    EXPECT_EQ(levels[1].galaxy, nullptr);

    vp.depth = 1;
    levels[1] = {0.3, 0.3, &child, {0, 0, 1.1}};
    EXPECT_EQ(galaxy_transition(vp, rc), 1.0);
    EXPECT_EQ(vp.depth, 1);
}

TEST_F(Transition, EntryWinsOverLeaving)
{
    vp.depth = 1;
    levels[1] = {0.3, 0.3, &child, {2, 0, 0}};
    rc.enterGalaxy = &grandchild;
    rc.enterScale = 0.5;
    EXPECT_EQ(galaxy_transition(vp, rc), 0.5);
    EXPECT_EQ(vp.depth, 2);
    EXPECT_EQ(levels[2].galaxy, &grandchild);
}

TEST_F(Transition, RootIsNeverLeft)
{
    levels[0].position = {0, 0, -1000};
    EXPECT_EQ(galaxy_transition(vp, rc), 1.0);
    EXPECT_EQ(vp.depth, 0);
}

TEST_F(Transition, FullStackKeepsTheVelocity)
{
    // A refused push leaves the viewer in the same units: slowing down there
    // every frame would strand it.
    vp.depth = 63;
    levels[63] = {0.5, 1e-19, &child, {0, 0, 0}};
    rc.enterGalaxy = &grandchild;
    rc.enterScale = 0.1;
    testing::internal::CaptureStderr();
    double velocity = 2.0;
    for (int frame = 0; frame < 3; ++frame)
        velocity *= galaxy_transition(vp, rc);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "enter_galaxy: too many depth\nenter_galaxy: too many depth\nenter_galaxy: too many depth\n");
    EXPECT_EQ(velocity, 2.0);
    EXPECT_EQ(vp.depth, 63);
}

}  // namespace
