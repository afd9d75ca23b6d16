#pragma once

#include <X11/Intrinsic.h>

// One frame: apply the installed operations, move the viewer, draw the scene
// and the instruments off-screen, show them, then serve the directory requests.
void frame_tick(Widget w);

// Limits the cursor offset to 0.8 of the half-size on each axis.
void clamp_cursor(int &dx, int &dy, int centerX, int centerY);
