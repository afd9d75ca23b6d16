#pragma once

struct Star;

// True when the cursor lies strictly inside the circle of radius R round the
// 16-bit centre (sx, sy). Worked in 64 bits, so radii up to the int range (a
// galaxy seen from near its centre) give no overflow.
bool pick_hit(long long cursorX, long long cursorY, short sx, short sy, int radius);

// Records the star as picked when the cursor, at the centre plus its offset,
// lies inside its projected circle. The last star drawn that holds it wins.
void pick_test(Star *star, short sx, short sy, int radius);
