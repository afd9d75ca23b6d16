#include "navigation/steering.h"

#include <cmath>

namespace {

double fraction_of(int offset, int center)
{
    return center == 0 ? 0.0 : static_cast<double>(offset) / center;
}

}  // namespace

Steering steering_amounts(int cursorDx, int cursorDy, int centerX, int centerY)
{
    const double a = fraction_of(cursorDx, centerX);
    const double b = fraction_of(cursorDy, centerY);
    const double k = 0.3 * std::sqrt(a * a + b * b);
    return Steering{a * k * k, -b * k * k};
}
