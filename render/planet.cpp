#include "navigation/render_context.h"
#include "render/colors.h"
#include "render/draw.h"
#include "render/pick.h"
#include "render/projection.h"
#include "universe/star.h"
#include "widget/MainScreenP.h"

constexpr int kFullCircle = 360 * 64;  // X arc angles are in 1/64 degree
constexpr int kLabelRadius = 4;        // discs smaller than this carry no label

void draw_planet(Star *star, const Vec3 &v, int side)
{
    if (!in_view_cone(v))
        return;
    MainScreenPart &part = *renderContext.part;
    const GC gc = color_gc(part.planetGCSets[side][readable_index(star->readable)], star->colorSeed);
    const ScreenPoint s = project_to_screen(v);
    // Held below kMaxDrawRadius: a closer planet covers the window all the same.
    const int R = draw_radius(renderContext.width, star->viewScale, vec3_length(v));
    const int x = s.x - R;
    const int y = s.y - R;
    const unsigned size = 2u * static_cast<unsigned>(R);
    if (gc != nullptr)
        XFillArc(renderContext.display, renderContext.pixmap, gc, x, y, size, size, 0, kFullCircle);
    XDrawArc(renderContext.display, renderContext.pixmap, part.backgroundGC, x, y, size, size, 0, kFullCircle);
    if (R >= kLabelRadius)
        draw_label(star, part.labelFontSets[side], R / 4, s.x, s.y - R);
    pick_test(star, s.x, s.y, R);
}
