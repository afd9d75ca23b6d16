#include "navigation/placement.h"

#include "navigation/render_context.h"
#include "navigation/viewpoint.h"
#include "universe/star.h"

void place_star(GalaxyLevel *level, Star *star, const Vec3 &p, double s)
{
    star->level = level;
    star->viewPosition = p;
    star->viewScale = s;
    if (star->kind != STAR_GALAXY || !star->scanned || star == renderContext.skipGalaxy)
        return;
    const Star *skip = renderContext.skipGalaxy;
    for (int i = 0; i < star->childCount; ++i) {
        Star &child = star->children[i];
        const Vec3 q{child.position.x * s + p.x, child.position.y * s + p.y, child.position.z * s + p.z};
        const double cs = child.size * s;
        if (child.kind == STAR_GALAXY && child.scanned && &child != skip) {
            place_star(level, &child, q, cs);
            continue;
        }
        // A leaf, placed here: most children are, and this runs for every star.
        child.level = level;
        child.viewPosition = q;
        child.viewScale = cs;
    }
}

Star *next_level_galaxy(const Viewpoint &vp, int i)
{
    return i < vp.depth ? vp.levels[i + 1].galaxy : nullptr;
}

void place_levels(Viewpoint &vp)
{
    for (int i = 0; i <= vp.depth; ++i) {
        GalaxyLevel &level = vp.levels[i];
        Vec3 v = level.position;
        vec3_scale(v, -1);
        renderContext.skipGalaxy = next_level_galaxy(vp, i);
        place_star(&level, level.galaxy, v, 1);
    }
}
