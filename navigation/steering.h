#pragma once

// How strongly the cursor offset steers this frame: sx positive to the right,
// sy positive upwards (screen y grows downwards).
struct Steering {
    double sx;
    double sy;
};

// The response grows with the cube of the cursor's distance from the centre.
// An axis whose centre is 0 (a window narrower or lower than 2 pixels) does
// not steer, rather than dividing by zero.
Steering steering_amounts(int cursorDx, int cursorDy, int centerX, int centerY);
