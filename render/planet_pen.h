#pragma once

#include <X11/Xlib.h>

#include "navigation/render_context.h"
#include "render/colors.h"
#include "render/draw.h"
#include "render/pick.h"
#include "render/projection.h"
#include "universe/star.h"
#include "widget/MainScreenP.h"

// What drawing a planet reads besides the planet, gathered once per galaxy:
// a galaxy's children are mostly planets, and nothing drawing does changes
// these while its children are drawn.
struct PlanetPen {
    Display *display;
    Pixmap pixmap;
    GC outline;
    const ColorGCSet *sets[2];  // [readable]
    const LabelFontSet *labels;
    int width;
    int centerX;
    int centerY;
    long long cursorX;
    long long cursorY;
};

inline PlanetPen planet_pen(int side)
{
    const MainScreenPart &part = *renderContext.part;
    return {renderContext.display,
            renderContext.pixmap,
            part.backgroundGC,
            {part.planetGCSets[side][0], part.planetGCSets[side][1]},
            part.labelFontSets[side],
            renderContext.width,
            renderContext.centerX,
            renderContext.centerY,
            static_cast<long long>(renderContext.centerX) + part.cursorDx,
            static_cast<long long>(renderContext.centerY) + part.cursorDy};
}

constexpr int kFullCircle = 360 * 64;  // X arc angles are in 1/64 degree
constexpr int kLabelRadius = 4;        // discs smaller than this carry no label

// A filled disc with an outline in the background colour, its label when it is
// large enough, and the pick test.
inline void draw_planet(const PlanetPen &pen, Star *star, const Vec3 &v)
{
    if (!in_view_cone(v))
        return;
    const GC gc = color_gc(pen.sets[readable_index(star->readable)], star->colorSeed);
    const ScreenPoint s = project_point(v, pen.width, pen.centerX, pen.centerY);
    // Held below kMaxDrawRadius: a closer planet covers the window all the same.
    const int R = draw_radius(pen.width, star->viewScale, vec3_length(v));
    const int x = s.x - R;
    const int y = s.y - R;
    const unsigned size = 2u * static_cast<unsigned>(R);
    if (gc != nullptr)
        XFillArc(pen.display, pen.pixmap, gc, x, y, size, size, 0, kFullCircle);
    XDrawArc(pen.display, pen.pixmap, pen.outline, x, y, size, size, 0, kFullCircle);
    if (R >= kLabelRadius)
        draw_label(star, pen.labels, R / 4, s.x, s.y - R);
    if (pick_hit(pen.cursorX, pen.cursorY, s.x, s.y, R))
        renderContext.part->pickedStar = star;
}
