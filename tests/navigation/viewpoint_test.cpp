#include <gtest/gtest.h>

#include <cstdlib>

#include "navigation/viewpoint.h"
#include "universe/star.h"

namespace {

struct ViewpointTest : testing::Test {
    Viewpoint vp{};
    void SetUp() override { ASSERT_EQ(viewpoint_init(vp), 0); }
    void TearDown() override { std::free(vp.levels); }
};

TEST_F(ViewpointTest, StartsTwoRootRadiiBehindTheRootLookingAtIt)
{
    EXPECT_EQ(vp.depth, 0);
    EXPECT_EQ(vp.right.x, 1);
    EXPECT_EQ(vp.up.y, 1);
    EXPECT_EQ(vp.forward.z, 1);
    EXPECT_EQ(vp.right.y + vp.right.z + vp.up.x + vp.up.z + vp.forward.x + vp.forward.y, 0);
    ASSERT_NE(vp.levels, nullptr);
    EXPECT_EQ(vp.levels[0].scale, 1);
    EXPECT_EQ(vp.levels[0].cumulativeScale, 1);
    EXPECT_EQ(vp.levels[0].galaxy, &rootGalaxy);
    EXPECT_EQ(vp.levels[0].position.z, -2);
    EXPECT_EQ(vp.levels[0].position.x, 0);
}

TEST_F(ViewpointTest, PushesMultiplyTheCumulativeScale)
{
    Star a{}, b{};
    EXPECT_EQ(enter_galaxy(vp, &a, {0, 0, -0.4}, 0.25), 0.25);
    EXPECT_EQ(enter_galaxy(vp, &b, {0.1, 0.2, 0.3}, 0.5), 0.5);
    EXPECT_EQ(vp.depth, 2);
    EXPECT_EQ(vp.levels[1].galaxy, &a);
    EXPECT_EQ(vp.levels[1].cumulativeScale, 0.25);
    EXPECT_EQ(vp.levels[1].position.z, -0.4);
    EXPECT_EQ(vp.levels[2].cumulativeScale, 0.125);
    EXPECT_EQ(vp.levels[2].scale, 0.5);
    EXPECT_EQ(vp.levels[2].position.y, 0.2);
}

TEST_F(ViewpointTest, FullStackRefusesWithItsMessage)
{
    Star g{};
    testing::internal::CaptureStderr();
    for (int i = 0; i < 62; ++i)
        enter_galaxy(vp, &g, {0, 0, 0}, 0.5);
    EXPECT_EQ(vp.depth, 62);
    EXPECT_EQ(enter_galaxy(vp, &g, {0, 0, 0}, 0.5), 0.5);  // the 63rd push still fits
    EXPECT_EQ(vp.depth, 63);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");

    Star extra{};
    testing::internal::CaptureStderr();
    EXPECT_EQ(enter_galaxy(vp, &extra, {1, 1, 1}, 0.3), 0.3);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "enter_galaxy: too many depth\n");
    EXPECT_EQ(vp.depth, 63);
    EXPECT_EQ(vp.levels[63].galaxy, &g);
}

TEST_F(ViewpointTest, PopKeepsTheLevelBelowAndClearsTheGalaxy)
{
    Star a{}, b{};
    enter_galaxy(vp, &a, {0, 0, -0.4}, 0.25);
    enter_galaxy(vp, &b, {0, 0, -0.6}, 0.5);
    const GalaxyLevel below = vp.levels[1];
    EXPECT_EQ(leave_galaxy(vp), 0.5);
    EXPECT_EQ(vp.depth, 1);
    EXPECT_EQ(vp.levels[2].galaxy, nullptr);
    EXPECT_EQ(vp.levels[2].scale, 0.5);  // the rest of a popped level stays
    EXPECT_EQ(vp.levels[1].galaxy, below.galaxy);
    EXPECT_EQ(vp.levels[1].position.z, below.position.z);
    EXPECT_EQ(vp.levels[1].cumulativeScale, below.cumulativeScale);
}

TEST_F(ViewpointTest, PopAtTheRootChangesNothing)
{
    testing::internal::CaptureStderr();
    leave_galaxy(vp);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "leave_galaxy: out of the universe(impossible!)\n");
    EXPECT_EQ(vp.depth, 0);
    EXPECT_EQ(vp.levels[0].galaxy, &rootGalaxy);
}

}  // namespace
