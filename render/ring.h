#pragma once

#include <X11/Xlib.h>

#include "render/trig_tables.h"
#include "shell/vec3.h"

// Table entries between two ring points: 1 near a galaxy, up to 10 far away.
// Always within 1..10, also for a zero or non-finite radius or distance.
int ring_step(double distance, double radius);

// A galaxy's ring as two segment lists: the far half (both ends deeper than
// the centre) goes under the contents, the rest over them.
struct RingSegments {
    XSegment back[kRingSteps];
    int backCount;
    XSegment front[kRingSteps];
    int frontCount;
};

// Walks the ring v + A cos + B sin (view coordinates) every step entries,
// clipping each segment at the near plane and carrying the clipped end on.
void ring_walk(const Vec3 &v, const Vec3 &a, const Vec3 &b, int step, RingSegments &out);
