#include "render/projection.h"

#include <cmath>

#include "navigation/render_context.h"
#include "shell/numeric.h"

ScreenPoint project_point(const Vec3 &v, int width, int centerX, int centerY)
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
    // NaN (0/0 at depth 0) becomes 0 instead of an undefined conversion.
    return {clamp_to_short(trunc_to_int(sx)), clamp_to_short(trunc_to_int(sy))};
}

ScreenPoint project_to_screen(const Vec3 &v)
{
    return project_point(v, renderContext.width, renderContext.centerX, renderContext.centerY);
}

bool in_view_cone(const Vec3 &v)
{
    return v.z > 0 && v.z > kFocalFactor * std::fabs(v.x) && v.z > kFocalFactor * std::fabs(v.y);
}

bool clip_to_near_plane(Vec3 &p0, Vec3 &p1)
{
    const bool front0 = p0.z > kNearPlane;
    const bool front1 = p1.z > kNearPlane;
    if (front0 && front1)
        return true;
    if (!front0 && !front1)
        return false;
    const double t = (kNearPlane - p0.z) / (p1.z - p0.z);
    Vec3 &moved = front0 ? p1 : p0;
    moved.x = p0.x + (p1.x - p0.x) * t;
    moved.y = p0.y + (p1.y - p0.y) * t;
    moved.z = kNearPlane;
    return true;
}

bool SegmentProjector::clip_and_project(Vec3 &p0, Vec3 &p1, XSegment &out)
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

int projected_radius(int width, double r, double d)
{
    return trunc_to_int(static_cast<double>(width) * r / d);
}

int draw_radius(int width, double r, double d)
{
    const int R = projected_radius(width, r, d);
    if (R < 0)
        return 0;
    return R > kMaxDrawRadius ? kMaxDrawRadius : R;
}

short clamp_to_short(long long v)
{
    if (v < -32768)
        return -32768;
    if (v > 32767)
        return 32767;
    return static_cast<short>(v);
}
