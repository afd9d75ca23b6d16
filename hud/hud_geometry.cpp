#include "hud/hud_geometry.h"

TapeAreas hud_tape_areas(int width, int centerX, int centerY)
{
    const int sixth = width / 6, twentieth = width / 20;
    TapeAreas t{};
    t.heading.x = static_cast<short>(centerX - sixth);
    t.heading.y = static_cast<short>(centerY + twentieth + sixth);
    t.heading.width = static_cast<unsigned short>(width / 3);
    t.heading.height = static_cast<unsigned short>(width / 10);
    t.pitch.x = static_cast<short>(centerX + twentieth + sixth);
    t.pitch.y = static_cast<short>(centerY - sixth);
    t.pitch.width = static_cast<unsigned short>(width / 10);
    t.pitch.height = static_cast<unsigned short>(width / 3);
    return t;
}
