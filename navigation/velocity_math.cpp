#include <cmath>

#include "navigation/velocity.h"
#include "shell/numeric.h"

double velocity_after_add(double velocity, double x)
{
    // The faster the viewer already flies, the smaller each step.
    return velocity + x / (std::fabs(velocity) + 1);
}

double velocity_after_brake(double velocity, double x)
{
    // Braking approaches 0 from either side and never crosses it.
    if (velocity > 0) {
        const double v = velocity - x * (1 + velocity);
        return v < 0 ? 0 : v;
    }
    const double v = velocity + x * (std::fabs(velocity) + 1);
    return v > 0 ? 0 : v;
}

int cursor_offset_to(double fraction, int center)
{
    return trunc_to_int(fraction * center);
}

int cursor_offset_by(double fraction, int center, int offset)
{
    return trunc_to_int(fraction * center + offset);
}
