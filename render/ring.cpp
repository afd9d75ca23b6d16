#include "render/ring.h"

#include "render/projection.h"
#include "shell/numeric.h"

int ring_step(double distance, double radius)
{
    const int step = trunc_to_int(distance / radius + 1);
    if (step < 1)
        return 1;  // NaN (0 / 0) lands here
    return step > 10 ? 10 : step;
}

namespace {

Vec3 ring_point(const Vec3 &v, const Vec3 &a, const Vec3 &b, int k)
{
    return {v.x + a.x * cosTable[k] + b.x * sinTable[k], v.y + a.y * cosTable[k] + b.y * sinTable[k],
            v.z + a.z * cosTable[k] + b.z * sinTable[k]};
}

}  // namespace

void ring_walk(const Vec3 &v, const Vec3 &a, const Vec3 &b, int step, RingSegments &out)
{
    out.backCount = 0;
    out.frontCount = 0;
    if (step < 1 || step > kRingSteps)
        step = step < 1 ? 1 : kRingSteps;
    Vec3 p0 = ring_point(v, a, b, kRingSteps - step);
    double e0 = v.z - p0.z;
    SegmentProjector projector;
    for (int k = 0; k < kRingSteps; k += step) {
        Vec3 p1 = ring_point(v, a, b, k);
        const double e1 = v.z - p1.z;  // measured before clipping
        XSegment s;
        if (projector.clip_and_project(p0, p1, s)) {
            if (e0 < 0 && e1 < 0)
                out.back[out.backCount++] = s;
            else
                out.front[out.frontCount++] = s;
        }
        p0 = p1;
        e0 = e1;
    }
}
