#include "hud/hud_geometry.h"

#include <climits>

TapeAreas hud_tape_areas(int width, int centerX, int centerY)
{
    const int sixth = width / 6, twentieth = width / 20;
    TapeAreas t{};
    t.heading.x = clamp_coord(centerX - sixth);
    t.heading.y = clamp_coord(centerY + twentieth + sixth);
    t.heading.width = static_cast<unsigned short>(width / 3);
    t.heading.height = static_cast<unsigned short>(width / 10);
    t.pitch.x = clamp_coord(centerX + twentieth + sixth);
    t.pitch.y = clamp_coord(centerY - sixth);
    t.pitch.width = static_cast<unsigned short>(width / 10);
    t.pitch.height = static_cast<unsigned short>(width / 3);
    return t;
}

short clamp_coord(long long v)
{
    if (v > SHRT_MAX)
        return SHRT_MAX;
    if (v < SHRT_MIN)
        return SHRT_MIN;
    return static_cast<short>(v);
}

bool coord_fits(long long v)
{
    return v >= SHRT_MIN && v <= SHRT_MAX;
}

void crosshair_segments(XSegment (&arms)[4], int centerX, int centerY, int dx, int dy, int size)
{
    // Wide arithmetic: cursorSize is a resource and may be anything an int holds.
    const long long x = static_cast<long long>(centerX) + dx;
    const long long y = static_cast<long long>(centerY) + dy;
    const long long s = size;
    const long long ends[4][4] = {
        {x - s, y, x - 2 * s, y},
        {x + s, y, x + 2 * s, y},
        {x, y - s, x, y - 2 * s},
        {x, y + s, x, y + 2 * s},
    };
    for (int i = 0; i < 4; ++i) {
        arms[i].x1 = clamp_coord(ends[i][0]);
        arms[i].y1 = clamp_coord(ends[i][1]);
        arms[i].x2 = clamp_coord(ends[i][2]);
        arms[i].y2 = clamp_coord(ends[i][3]);
    }
}
