#pragma once

#include <X11/Xlib.h>

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

// Perspective projection round (centerX, centerY) with focal length 0.7 x width.
// The clamp slides a far-out point towards the pixmap's origin until both
// coordinates fit inside +-10000; a point at depth 0 may come out anywhere on
// that boundary, but always inside it.
ScreenPoint project_point(const Vec3 &v, int width, int centerX, int centerY);
// The same with the render context's width and centre.
ScreenPoint project_to_screen(const Vec3 &v);

// Strictly inside the view pyramid: z > 0, z > 0.7|x|, z > 0.7|y|.
bool in_view_cone(const Vec3 &v);

// Cuts the segment at z = 0.001, writing the moved end back; false when the
// whole segment lies behind (a point exactly on the plane counts as behind).
bool clip_to_near_plane(Vec3 &p0, Vec3 &p1);

// Clips and projects the steps of a polyline whose end point is carried on as
// the next start (as clipped). An end that the clip left alone is projected
// once and reused as the next start, with the same result.
struct SegmentProjector {
    ScreenPoint last{};
    bool lastValid = false;
    bool clip_and_project(Vec3 &p0, Vec3 &p1, XSegment &out);
};

// width x r / d truncated towards zero, saturating at the int range (a galaxy's
// pick radius, a label's wanted height).
int projected_radius(int width, double r, double d);
// A planet's or wormhole's radius for drawing and picking: 0..kMaxDrawRadius.
int draw_radius(int width, double r, double d);

// Any integer made 16-bit by saturation.
short clamp_to_short(long long v);
