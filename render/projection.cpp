#include "render/projection.h"

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
