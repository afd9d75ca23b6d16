#include "render/projection.h"

bool clip_segment_crossing(Vec3 &p0, Vec3 &p1)
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
