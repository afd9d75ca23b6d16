#pragma once

#include <X11/Xlib.h>

struct TapeAreas {
    XRectangle heading;
    XRectangle pitch;
};

// Both tapes are sized by the width alone; the height enters through centerY.
TapeAreas hud_tape_areas(int width, int centerX, int centerY);

// Drawing requests carry 16-bit coordinates; a value beyond them saturates
// instead of wrapping round to the far side of the window.
short clamp_coord(long long v);
bool coord_fits(long long v);

// The crosshair around the steering cursor: four arms from `size` to
// 2 x `size` pixels away from (centerX + dx, centerY + dy), the middle open.
// Order: left, right, up, down.
void crosshair_segments(XSegment (&arms)[4], int centerX, int centerY, int dx, int dy, int size);
