#pragma once

#include <X11/Xlib.h>

#include <cmath>

#include "navigation/render_context.h"
#include "shell/numeric.h"
#include "shell/vec3.h"

// A point on the pixmap, as the X protocol takes it.
struct ScreenPoint {
    short x;
    short y;
};

constexpr double kFocalFactor = 0.7;      // focal length in widths
constexpr double kScreenLimit = 10000.0;  // projected coordinates stay inside +-10000
constexpr double kNearPlane = 0.001;

// Largest radius a disc or circle may be drawn with: centre within +-10000 and
// the box corner centre - R still fits a 16-bit coordinate.
constexpr int kMaxDrawRadius = 32767 - 10000;

// The projection and the tests below run for every star, ring point and curve
// point of a frame, so they are defined here to be inlined.

// A clamped screen coordinate: within +-10000, or NaN (0/0 at depth 0), which
// becomes 0 instead of an undefined conversion.
inline short screen_coord(double v)
{
    return std::isnan(v) ? 0 : static_cast<short>(static_cast<int>(v));
}

// Perspective projection round (centerX, centerY) with focal length 0.7 x width.
// The clamp slides a far-out point towards the pixmap's origin until both
// coordinates fit inside +-10000; a point at depth 0 may come out anywhere on
// that boundary, but always inside it.
inline ScreenPoint project_point(const Vec3 &v, int width, int centerX, int centerY)
{
    const double f = kFocalFactor * static_cast<double>(width);
    double sx = centerX + v.x * f / v.z;
    double sy = centerY - v.y * f / v.z;
    // Each clamp moves the point along the line through the pixmap's origin.
    if (sx < -kScreenLimit) {
        sy = sy * -kScreenLimit / sx;
        sx = -kScreenLimit;
    } else if (sx > kScreenLimit) {
        sy = sy * kScreenLimit / sx;
        sx = kScreenLimit;
    }
    if (sy < -kScreenLimit) {
        sx = sx * -kScreenLimit / sy;
        sy = -kScreenLimit;
    } else if (sy > kScreenLimit) {
        sx = sx * kScreenLimit / sy;
        sy = kScreenLimit;
    }
    return {screen_coord(sx), screen_coord(sy)};
}

// The same with the render context's width and centre.
inline ScreenPoint project_to_screen(const Vec3 &v)
{
    return project_point(v, renderContext.width, renderContext.centerX, renderContext.centerY);
}

// Strictly inside the view pyramid: z > 0, z > 0.7|x|, z > 0.7|y|.
inline bool in_view_cone(const Vec3 &v)
{
    return v.z > 0 && v.z > kFocalFactor * std::fabs(v.x) && v.z > kFocalFactor * std::fabs(v.y);
}

// Cuts the segment at z = 0.001, writing the moved end back; false when the
// whole segment lies behind (a point exactly on the plane counts as behind).
bool clip_segment_crossing(Vec3 &p0, Vec3 &p1);
inline bool clip_to_near_plane(Vec3 &p0, Vec3 &p1)
{
    if (p0.z > kNearPlane && p1.z > kNearPlane)
        return true;  // the common case, kept inline
    return clip_segment_crossing(p0, p1);
}

// Clips and projects the steps of a polyline whose end point is carried on as
// the next start (as clipped). An end that the clip left alone is projected
// once and reused as the next start, with the same result.
struct SegmentProjector {
    ScreenPoint last{};
    bool lastValid = false;
    // Inline: it runs for every step of every ring and curve.
    bool clip_and_project(Vec3 &p0, Vec3 &p1, XSegment &out)
    {
        const bool startKept = p0.z > kNearPlane;
        if (!clip_to_near_plane(p0, p1)) {
            lastValid = false;
            return false;
        }
        // p0 is the previous p1 as clipped; when the clip left it alone now, its
        // projection is the one made last time.
        const ScreenPoint s0 = startKept && lastValid ? last : project_to_screen(p0);
        last = project_to_screen(p1);
        lastValid = true;
        out = {s0.x, s0.y, last.x, last.y};
        return true;
    }
};

// width x r / d truncated towards zero, saturating at the int range (a galaxy's
// pick radius, a label's wanted height).
inline int projected_radius(int width, double r, double d)
{
    return trunc_to_int(static_cast<double>(width) * r / d);
}

// A planet's or wormhole's radius for drawing and picking: 0..kMaxDrawRadius.
inline int draw_radius(int width, double r, double d)
{
    const int R = projected_radius(width, r, d);
    if (R < 0)
        return 0;
    return R > kMaxDrawRadius ? kMaxDrawRadius : R;
}

// Any integer made 16-bit by saturation.
inline short clamp_to_short(long long v)
{
    if (v < -32768)
        return -32768;
    if (v > 32767)
        return 32767;
    return static_cast<short>(v);
}
