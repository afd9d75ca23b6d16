#pragma once

#include <X11/Xlib.h>

struct TapeAreas {
    XRectangle heading;
    XRectangle pitch;
};

// Both tapes are sized by the width alone; the height enters through centerY.
TapeAreas hud_tape_areas(int width, int centerX, int centerY);
