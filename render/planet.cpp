#include "render/planet_pen.h"

void draw_planet(Star *star, const Vec3 &v, int side)
{
    draw_planet(planet_pen(side), star, v);
}
