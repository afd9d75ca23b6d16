#pragma once

#include "shell/vec3.h"

struct GalaxyLevel;
struct Star;
struct Viewpoint;

// Places a star at p with scale s in the frame of level L and, for a scanned
// galaxy other than the render context's skipGalaxy, its contents below it.
void place_star(GalaxyLevel *level, Star *star, const Vec3 &p, double s);

// The placement pass: every level from the root inwards, each skipping the
// next level's galaxy, so every star ends placed by the innermost level that
// contains it.
void place_levels(Viewpoint &vp);

// The galaxy of level i + 1, or null at the innermost level.
Star *next_level_galaxy(const Viewpoint &vp, int i);
