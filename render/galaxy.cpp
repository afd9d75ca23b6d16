#include "navigation/render_context.h"
#include "render/colors.h"
#include "render/draw.h"
#include "render/galaxy_rules.h"
#include "render/pick.h"
#include "render/projection.h"
#include "render/ring.h"
#include "shell/numeric.h"
#include "universe/star.h"
#include "widget/MainScreenP.h"

namespace {

constexpr double kLabelFactor = 100.0;  // label height per unit of apparent size
constexpr int kMaxLineWidth = 255;

GC galaxy_gc(const Star *star, int side)
{
    MainScreenPart &part = *renderContext.part;
    if (star == &rootGalaxy)
        return part.rootGCs[side];
    return color_gc(part.galaxyGCSets[side][readable_index(star->readable)], star->colorSeed);
}

void draw_half(GC gc, int lineWidth, XSegment *segments, int count)
{
    if (gc == nullptr)
        return;
    XSetLineAttributes(renderContext.display, gc, static_cast<unsigned>(lineWidth), LineSolid, CapNotLast,
                       JoinMiter);
    XDrawSegments(renderContext.display, renderContext.pixmap, gc, segments, count);
}

}  // namespace

void draw_galaxy(Star *star, const Vec3 &v, int side)
{
    const double r = star->viewScale;
    const double d = vec3_length(v);
    mark_for_entry(star, d);
    if (!in_view_cone(v) && !(d < r)) {
        draw_children(star, side);
        return;
    }

    // A centre exactly at depth 0 has no place on the screen: no pick, no label.
    const bool anchored = v.z != 0;
    const ScreenPoint c = project_to_screen(v);
    const double a = r / d;
    if (anchored)
        pick_test(star, c.x, c.y, trunc_to_int(renderContext.width * a));

    const bool current = star == renderContext.topLevel->galaxy;
    if (current)
        side = 1;
    const GC gc = galaxy_gc(star, side);

    const Vec3 &right = renderContext.viewpoint->right;
    const Vec3 &up = renderContext.viewpoint->up;
    const Vec3 &forward = renderContext.viewpoint->forward;
    Vec3 axisA, axisB;
    vec3_to_basis(axisA, star->axis1, right, up, forward);
    vec3_scale(axisA, r);
    vec3_to_basis(axisB, star->axis2, right, up, forward);
    vec3_scale(axisB, r);
    RingSegments ring;
    ring_walk(v, axisA, axisB, ring_step(d, r), ring);

    int lineWidth = 0;
    if (current) {
        const int w = renderContext.part->currentGalaxyLineWidth;
        lineWidth = w < 0 ? 0 : (w > kMaxLineWidth ? kMaxLineWidth : w);
    }
    draw_half(gc, lineWidth, ring.back, ring.backCount);
    if (post_request(*star, a))
        draw_children(star, side);
    // The contents may share this GC and have set other attributes.
    draw_half(gc, lineWidth, ring.front, ring.frontCount);

    const int h = trunc_to_int(kLabelFactor * a);
    if (h > 0 && anchored)
        draw_label(star, renderContext.part->labelFontSets[side], h, c.x, c.y);
}
