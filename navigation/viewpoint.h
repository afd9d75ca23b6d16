#pragma once

#include "shell/vec3.h"

struct Star;

// One entered galaxy: its own unit of length and where the viewer is in it.
struct GalaxyLevel {
    double scale;            // radius in units of the level below
    double cumulativeScale;  // radius in units of the root galaxy
    Star *galaxy;            // null once the level has been left
    Vec3 position;           // viewer relative to the galaxy's centre, fixed axes
};

constexpr int kGalaxyStackSize = 64;

// Held by value inside the widget record, so it stays trivially copyable.
struct Viewpoint {
    int depth;  // index of the current level, 0..63
    Vec3 right;
    Vec3 up;
    Vec3 forward;
    GalaxyLevel *levels;  // block of kGalaxyStackSize levels, owned
};

int viewpoint_init(Viewpoint &vp);
double enter_galaxy(Viewpoint &vp, Star *galaxy, const Vec3 &position, double scale);
double leave_galaxy(Viewpoint &vp);
