#include "render/trig_tables.h"

#include <cmath>

double cosTable[kRingSteps];
double sinTable[kRingSteps];

void init_trig_tables()
{
    constexpr double kStep = 0.05235987755982988;  // 3 degrees in radians
    for (int k = 0; k < kRingSteps; ++k) {
        cosTable[k] = std::cos(k * kStep);
        sinTable[k] = std::sin(k * kStep);
    }
}
