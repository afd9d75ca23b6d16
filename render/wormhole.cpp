#include "navigation/render_context.h"
#include "navigation/viewpoint.h"
#include "render/colors.h"
#include "render/draw.h"
#include "render/pick.h"
#include "render/projection.h"
#include "render/wormhole_curve.h"
#include "universe/star.h"
#include "widget/MainScreenP.h"

namespace {

constexpr int kFullCircle = 360 * 64;
constexpr int kLabelRadius = 4;
constexpr double kTangentFactor = 0.2;  // tangent length in span-galaxy radii

void draw_curve(const Star *star, GC gc)
{
    const Star *target = star->target;
    if (star->level == nullptr || target->level == nullptr)
        return;  // not placed yet: a star scanned after the last placement
    const Viewpoint &vp = *renderContext.viewpoint;
    Vec3 a, b, ta, tb;
    vec3_to_basis(a, star->viewPosition, vp.right, vp.up, vp.forward);
    vec3_to_basis(b, target->viewPosition, vp.right, vp.up, vp.forward);
    restate_units(a, b, star->level->cumulativeScale, target->level->cumulativeScale);
    const double k = star->spanGalaxy != nullptr ? kTangentFactor * star->spanGalaxy->viewScale : 0.0;
    vec3_to_basis(ta, star->startTangent, vp.right, vp.up, vp.forward);
    vec3_scale(ta, k);
    vec3_to_basis(tb, star->endTangent, vp.right, vp.up, vp.forward);
    vec3_scale(tb, k);

    Vec3 points[kCurvePoints];
    curve_points(a, b, ta, tb, points);
    XSegment segments[kCurvePoints - 1];
    const int n = curve_segments(points, segments);
    XDrawSegments(renderContext.display, renderContext.pixmap, gc, segments, n);
}

}  // namespace

void draw_wormhole(Star *star, const Vec3 &v, int side)
{
    MainScreenPart &part = *renderContext.part;
    const GC gc = color_gc(part.wormholeGCSets[side], star->colorSeed);
    if (in_view_cone(v) && star->viewScale > 0) {
        const ScreenPoint s = project_to_screen(v);
        const int R = draw_radius(renderContext.width, star->viewScale, vec3_length(v));
        const unsigned size = 2u * static_cast<unsigned>(R);
        if (gc != nullptr)
            XDrawArc(renderContext.display, renderContext.pixmap, gc, s.x - R, s.y - R, size, size, 0,
                     kFullCircle);
        if (R >= kLabelRadius)
            draw_label(star, part.labelFontSets[side], R / 4, s.x, s.y);
        pick_test(star, s.x, s.y, R);
    }
    if (star->target != nullptr && gc != nullptr)
        draw_curve(star, gc);
}
