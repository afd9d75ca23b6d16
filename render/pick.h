#pragma once

#include "navigation/render_context.h"
#include "widget/MainScreenP.h"

struct Star;

// With the cursor kept inside +-2^30 every square and sum stays below 2^63.
constexpr long long kPickCoordLimit = 1LL << 30;

// True when the cursor lies strictly inside the circle of radius R round the
// 16-bit centre (sx, sy). Worked in 64 bits, so radii up to the int range (a
// galaxy seen from near its centre) give no overflow.
inline bool pick_hit(long long cursorX, long long cursorY, short sx, short sy, int radius)
{
    auto clamp = [](long long v) {
        return v < -kPickCoordLimit ? -kPickCoordLimit : (v > kPickCoordLimit ? kPickCoordLimit : v);
    };
    const long long dx = clamp(cursorX) - sx;
    const long long dy = clamp(cursorY) - sy;
    const long long r = radius;
    return dx * dx + dy * dy < r * r;
}

// Records the star as picked when the cursor, at the centre plus its offset,
// lies inside its projected circle. The last star drawn that holds it wins.
// Inline: every star drawn is tested.
inline void pick_test(Star *star, short sx, short sy, int radius)
{
    MainScreenPart &part = *renderContext.part;
    const long long cx = static_cast<long long>(renderContext.centerX) + part.cursorDx;
    const long long cy = static_cast<long long>(renderContext.centerY) + part.cursorDy;
    if (pick_hit(cx, cy, sx, sy, radius))
        part.pickedStar = star;
}
