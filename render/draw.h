#pragma once

#include "shell/vec3.h"

struct Star;
struct LabelFontSet;

// Drawing of the placed universe onto the render context's pixmap. v is the
// star's centre in view coordinates; side 0 draws with the outer colours,
// side 1 with the inner ones (the current galaxy and everything inside it).
void draw_star(Star *star, const Vec3 &v, int side);
void draw_planet(Star *star, const Vec3 &v, int side);
void draw_galaxy(Star *star, const Vec3 &v, int side);
void draw_children(Star *galaxy, int side);
void draw_wormhole(Star *star, const Vec3 &v, int side);

// The star's name centred on x with its baseline at y, in the font of the set
// that best fits the wanted height. Nothing when labels are switched off or
// the set is missing or empty.
void draw_label(const Star *star, const LabelFontSet *set, int wanted, int x, int y);
