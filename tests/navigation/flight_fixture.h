#pragma once

#include <array>

#include "navigation/viewpoint.h"

// A viewpoint as the widget starts it, on a stack block of its own, with the
// levels above depth filled with a sentinel so that stray writes show.
struct FlightFixture {
    std::array<GalaxyLevel, kGalaxyStackSize> block{};
    Viewpoint vp{};

    FlightFixture()
    {
        for (GalaxyLevel &level : block)
            level = GalaxyLevel{7, 7, nullptr, Vec3{7, 7, 7}};
        vp.depth = 0;
        vp.right = Vec3{1, 0, 0};
        vp.up = Vec3{0, 1, 0};
        vp.forward = Vec3{0, 0, 1};
        vp.levels = block.data();
        block[0] = GalaxyLevel{1, 1, nullptr, Vec3{0, 0, -2}};
    }

    // Pushes a level with this scale, the viewer at its centre.
    void push(double scale)
    {
        const int d = ++vp.depth;
        block[d] = GalaxyLevel{scale, block[d - 1].cumulativeScale * scale, nullptr, Vec3{0, 0, 0}};
    }
};
