#include "hud/hud_info.h"

#include <algorithm>
#include <cstdio>

#include "hud/hud_geometry.h"
#include "universe/star.h"

namespace {

// snprintf's result is the length it wanted; what the buffer holds is shorter
// when it was cut, and nothing on an encoding error.
int written(int wanted, std::size_t size)
{
    if (wanted < 0)
        return 0;
    return static_cast<std::size_t>(wanted) < size ? wanted : static_cast<int>(size - 1);
}

const char *name_of(const Star *s)
{
    return s->name ? s->name : "";
}

XPoint point(long long x, long long y)
{
    return XPoint{clamp_coord(x), clamp_coord(y)};
}

}  // namespace

int format_velocity(char (&text)[kVelocityTextSize], double velocity, int flyingMode)
{
    const char *format = flyingMode == 0 ? "%3.1f P" : "%3.1f C";
    return written(std::snprintf(text, sizeof text, format, velocity), sizeof text);
}

int format_picked(char (&text)[kPickedTextSize], const Star *picked, const Star *root)
{
    text[0] = '\0';
    if (!picked || picked == root)
        return 0;
    int wanted = 0;
    switch (picked->kind) {
    case STAR_WORMHOLE:
        wanted = picked->target
                     ? std::snprintf(text, sizeof text, "> %s@ -> %s", name_of(picked), name_of(picked->target))
                     : std::snprintf(text, sizeof text, "> %s@", name_of(picked));
        break;
    case STAR_GALAXY:
        wanted = picked->scanned
                     ? std::snprintf(text, sizeof text, "> %s/ (%d files)", name_of(picked), picked->childCount)
                     : std::snprintf(text, sizeof text, "> %s/", name_of(picked));
        break;
    case STAR_PLANET:
        wanted = std::snprintf(text, sizeof text, "> %s [%lu]", name_of(picked),
                               static_cast<unsigned long>(picked->fileSize));
        break;
    }
    return written(wanted, sizeof text);
}

int drawable_length(std::size_t length)
{
    return length > static_cast<std::size_t>(kMaxDrawnChars) ? kMaxDrawnChars : static_cast<int>(length);
}

InfoLayout info_layout(int width, int height, const FontMetrics &font)
{
    const long long m = font.maxWidth;
    const long long lines = 4LL * (static_cast<long long>(font.ascent) + font.descent);
    const long long valueX = 32 + 16 * m;
    const long long helpX = width - 20 * m;
    // With a short font (the server's 13-pixel default when the info font is
    // missing) the lower help line would sit below the window: lift both
    // lines just enough that it ends at the bottom edge.
    const long long helpLift = std::max(0LL, 60 - lines + font.descent);
    InfoLayout l{};
    l.velocityCaption = point(32, 32);
    l.galaxyCaption = point(32, 62);
    l.velocity = point(valueX, 32);
    l.path = point(valueX, 62);
    l.picked = point(32, 92);
    l.forwardHelp = point(helpX, height - lines + 30 - helpLift);
    l.backwardHelp = point(helpX, height - lines + 60 - helpLift);
    return l;
}
