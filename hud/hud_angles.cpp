#include "hud/hud_angles.h"

#include <cmath>

#include "shell/numeric.h"

namespace {

double deg(double radians)
{
    return radians * 180 / 3.141592653589793;
}

// The angle of (side, depth) measured from +depth towards +side, truncated
// towards zero. Dividing by the larger component keeps atan's argument within
// [-1, 1]; when both are zero (or not numbers) there is no direction to
// measure, and 0 is shown instead of feeding 0/0 into atan.
int compass_angle(double side, double depth)
{
    if (std::fabs(side) > std::fabs(depth))
        return (side > 0 ? 90 : 270) - trunc_to_int(deg(std::atan(depth / side)));
    if (depth == 0 || std::isnan(depth) || std::isnan(side))
        return 0;
    return trunc_to_int(deg(std::atan(side / depth))) + (depth > 0 ? 0 : 180);
}

}  // namespace

int hud_heading(const Vec3 &forward)
{
    return compass_angle(forward.x, forward.z);
}

int hud_pitch(const Vec3 &forward)
{
    return compass_angle(forward.y, forward.z);
}
