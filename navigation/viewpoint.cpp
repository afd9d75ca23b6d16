#include "navigation/viewpoint.h"

#include <cstdio>
#include <cstdlib>

#include "universe/star.h"

int viewpoint_init(Viewpoint &vp)
{
    vp.depth = 0;
    vec3_set(vp.right, 1, 0, 0);
    vec3_set(vp.up, 0, 1, 0);
    vec3_set(vp.forward, 0, 0, 1);
    // Plain allocation: the block lives inside a raw widget record for the whole run.
    vp.levels = static_cast<GalaxyLevel *>(std::calloc(kGalaxyStackSize, sizeof(GalaxyLevel)));
    if (vp.levels == nullptr)
        return -1;
    GalaxyLevel &root = vp.levels[0];
    root.scale = 1;
    root.cumulativeScale = 1;
    root.galaxy = &rootGalaxy;
    vec3_set(root.position, 0, 0, -2);  // two radii behind the root's centre, looking at it
    return 0;
}

double enter_galaxy(Viewpoint &vp, Star *galaxy, const Vec3 &position, double scale)
{
    if (vp.depth > kGalaxyStackSize - 2) {
        std::fputs("enter_galaxy: too many depth\n", stderr);
        return scale;
    }
    const int d = ++vp.depth;
    GalaxyLevel &level = vp.levels[d];
    level.galaxy = galaxy;
    level.scale = scale;
    level.cumulativeScale = vp.levels[d - 1].cumulativeScale * scale;
    level.position = position;
    return scale;
}

double leave_galaxy(Viewpoint &vp)
{
    if (vp.depth < 1) {
        std::fputs("leave_galaxy: out of the universe(impossible!)\n", stderr);
        return 1.0;
    }
    GalaxyLevel &level = vp.levels[vp.depth];
    const double scale = level.scale;
    level.galaxy = nullptr;
    --vp.depth;
    return scale;
}
