#include "render/draw.h"

#include "universe/star.h"

void draw_star(Star *star, const Vec3 &v, int side)
{
    switch (star->kind) {
    case STAR_PLANET:
        draw_planet(star, v, side);
        break;
    case STAR_GALAXY:
        draw_galaxy(star, v, side);
        break;
    case STAR_WORMHOLE:
        draw_wormhole(star, v, side);
        break;
    default:
        break;
    }
}
