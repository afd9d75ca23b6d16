#include <gtest/gtest.h>

#include "navigation/placement.h"
#include "navigation/render_context.h"
#include "navigation/viewpoint.h"
#include "universe/star.h"

namespace {

void expect_vec(const Vec3 &v, double x, double y, double z)
{
    EXPECT_DOUBLE_EQ(v.x, x);
    EXPECT_DOUBLE_EQ(v.y, y);
    EXPECT_DOUBLE_EQ(v.z, z);
}

struct ScenePlacement : testing::Test {
    GalaxyLevel levels[kGalaxyStackSize]{};
    Viewpoint vp{};
    Star root{};
    Star outer[2]{};  // children of root
    Star inner[1]{};  // child of outer[0]

    void SetUp() override
    {
        renderContext = RenderContext{};
        vp.right = {1, 0, 0};
        vp.up = {0, 1, 0};
        vp.forward = {0, 0, 1};
        vp.levels = levels;
        levels[0] = {1, 1, &root, {0, 0, -2}};
        root.kind = STAR_GALAXY;
        root.scanned = 1;
        root.childCount = 2;
        root.children = outer;
        outer[0].kind = STAR_GALAXY;
        outer[0].parent = &root;
        outer[0].position = {0.5, 0, 0};
        outer[0].size = 0.1;
        outer[0].scanned = 1;
        outer[0].childCount = 1;
        outer[0].children = inner;
        outer[1].kind = STAR_PLANET;
        outer[1].parent = &root;
        outer[1].position = {0, -0.5, 0};
        outer[1].size = 0.01;
        inner[0].kind = STAR_PLANET;
        inner[0].parent = &outer[0];
        inner[0].position = {0, 0.5, 0};
        inner[0].size = 0.2;
    }
};

TEST_F(ScenePlacement, FirstFrameNestsPositionsAndScales)
{
    place_levels(vp);
    expect_vec(root.viewPosition, 0, 0, 2);
    EXPECT_EQ(root.viewScale, 1);
    EXPECT_EQ(root.level, &levels[0]);
    expect_vec(outer[0].viewPosition, 0.5, 0, 2);
    EXPECT_DOUBLE_EQ(outer[0].viewScale, 0.1);
    expect_vec(outer[1].viewPosition, 0, -0.5, 2);
    expect_vec(inner[0].viewPosition, 0.5, 0.05, 2);
    EXPECT_DOUBLE_EQ(inner[0].viewScale, 0.02);
    EXPECT_EQ(inner[0].level, &levels[0]);
    EXPECT_EQ(renderContext.skipGalaxy, nullptr);
}

TEST_F(ScenePlacement, UnscannedGalaxyIsPlacedButNotItsContents)
{
    outer[0].scanned = 0;
    inner[0].viewPosition = {9, 9, 9};
    inner[0].level = nullptr;
    place_levels(vp);
    expect_vec(outer[0].viewPosition, 0.5, 0, 2);
    expect_vec(inner[0].viewPosition, 9, 9, 9);
    EXPECT_EQ(inner[0].level, nullptr);
}

TEST_F(ScenePlacement, EnteredGalaxyStandsInItsOwnFrame)
{
    vp.depth = 1;
    levels[1] = {0.1, 0.1, &outer[0], {0, 0, -0.5}};
    place_levels(vp);
    EXPECT_EQ(outer[0].level, &levels[1]);
    EXPECT_EQ(outer[0].viewScale, 1);
    expect_vec(outer[0].viewPosition, 0, 0, 0.5);
    EXPECT_EQ(inner[0].level, &levels[1]);
    expect_vec(inner[0].viewPosition, 0, 0.5, 0.5);
    EXPECT_DOUBLE_EQ(inner[0].viewScale, 0.2);
    EXPECT_EQ(outer[1].level, &levels[0]);  // the sibling stays with the root's frame
    EXPECT_EQ(renderContext.skipGalaxy, nullptr);
    EXPECT_EQ(next_level_galaxy(vp, 0), &outer[0]);
}

TEST_F(ScenePlacement, SkipGalaxyContentsAreLeftToItsLevel)
{
    renderContext.skipGalaxy = &outer[0];
    inner[0].level = nullptr;
    place_star(&levels[0], &root, {0, 0, 2}, 1);
    expect_vec(outer[0].viewPosition, 0.5, 0, 2);  // itself placed
    EXPECT_EQ(inner[0].level, nullptr);             // its contents not
}

}  // namespace
