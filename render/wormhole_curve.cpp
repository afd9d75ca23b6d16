#include "render/wormhole_curve.h"

#include <array>

#include "render/projection.h"

void restate_units(Vec3 &a, Vec3 &b, double cumulativeA, double cumulativeB)
{
    // Both vectors start at the viewer, so only their unit differs; the nearer
    // end's level has the finer unit and keeps it.
    if (vec3_length(b) > vec3_length(a))
        vec3_scale(b, cumulativeB / cumulativeA);
    else
        vec3_scale(a, cumulativeA / cumulativeB);
}

namespace {

// The curve parameter of each point, i / 29, worked out once by the compiler.
constexpr auto kCurveT = [] {
    std::array<double, kCurvePoints> t{};
    for (int i = 0; i < kCurvePoints; ++i)
        t[i] = i / 29.0;
    return t;
}();

}  // namespace

void curve_points(const Vec3 &a, const Vec3 &b, const Vec3 &ta, const Vec3 &tb, Vec3 out[kCurvePoints])
{
    const Vec3 d{b.x - a.x, b.y - a.y, b.z - a.z};
    const Vec3 e{ta.x + tb.x - 2 * d.x, ta.y + tb.y - 2 * d.y, ta.z + tb.z - 2 * d.z};
    const Vec3 f{3 * d.x - 2 * ta.x - tb.x, 3 * d.y - 2 * ta.y - tb.y, 3 * d.z - 2 * ta.z - tb.z};
    for (int i = 0; i < kCurvePoints; ++i) {
        const double t = kCurveT[i];
        out[i] = {((e.x * t + f.x) * t + ta.x) * t + a.x, ((e.y * t + f.y) * t + ta.y) * t + a.y,
                  ((e.z * t + f.z) * t + ta.z) * t + a.z};
    }
}

int curve_segments(const Vec3 points[kCurvePoints], XSegment out[kCurvePoints - 1])
{
    int n = 0;
    Vec3 p0 = points[0];
    SegmentProjector projector;
    for (int i = 1; i < kCurvePoints; ++i) {
        Vec3 p1 = points[i];
        if (projector.clip_and_project(p0, p1, out[n]))
            ++n;
        p0 = p1;  // the clipped end, when the cut fell on it
    }
    return n;
}
