#pragma once

#include "shell/vec3.h"

// Compass heading of the line of sight in whole degrees, between -45 and 315:
// 0 along +z, 90 along +x, 180 along -z, 270 along -x.
// Straight up or down there is no heading; it reads 0.
int hud_heading(const Vec3 &forward);

// Angle of the line of sight in the y-z plane, the same way round: 0 in level
// flight towards +z, positive when climbing, 180 in level flight towards -z.
// Along +x or -x (nothing in that plane) it reads 0, as in level flight.
int hud_pitch(const Vec3 &forward);
