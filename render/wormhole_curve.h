#pragma once

#include <X11/Xlib.h>

#include "shell/vec3.h"

constexpr int kCurvePoints = 30;

// Restates the two ends in one unit: when b is the longer vector it is turned
// into the units of a's level, otherwise (also on a tie) a into those of b's.
// cumulativeA and cumulativeB are the cumulative scales of the levels that
// placed the link and the target.
void restate_units(Vec3 &a, Vec3 &b, double cumulativeA, double cumulativeB);

// The cubic Hermite curve from a to b leaving along ta and arriving along tb.
void curve_points(const Vec3 &a, const Vec3 &b, const Vec3 &ta, const Vec3 &tb, Vec3 out[kCurvePoints]);

// Clips each step of the curve at the near plane and projects what is left;
// returns the number of segments written (at most kCurvePoints - 1).
int curve_segments(const Vec3 points[kCurvePoints], XSegment out[kCurvePoints - 1]);
