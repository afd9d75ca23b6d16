#pragma once

#include <gtest/gtest.h>

#include "navigation/render_context.h"
#include "navigation/viewpoint.h"
#include "universe/star.h"
#include "widget/MainScreenP.h"

// A render context for a 640x480 view with the upright basis and a stack of
// levels the test fills itself; no display.
struct RenderFixture : testing::Test {
    MainScreenPart part{};
    GalaxyLevel levels[kGalaxyStackSize]{};
    Viewpoint vp{};

    void SetUp() override
    {
        vp.right = {1, 0, 0};
        vp.up = {0, 1, 0};
        vp.forward = {0, 0, 1};
        vp.levels = levels;
        levels[0] = {1, 1, &rootGalaxy, {0, 0, -2}};
        renderContext = RenderContext{};
        renderContext.part = &part;
        renderContext.width = 640;
        renderContext.centerX = 320;
        renderContext.centerY = 240;
        renderContext.viewpoint = &vp;
        renderContext.topLevel = &levels[0];
    }
};

// A galaxy record with the given parent, ring in the x-z plane.
inline Star make_galaxy(Star *parent, Vec3 viewPosition, double viewScale)
{
    Star s{};
    s.kind = STAR_GALAXY;
    s.readable = 1;
    s.parent = parent;
    s.viewPosition = viewPosition;
    s.viewScale = viewScale;
    s.axis1 = {1, 0, 0};
    s.axis2 = {0, 0, 1};
    return s;
}
