#include "render/pick.h"

#include "navigation/render_context.h"
#include "widget/MainScreenP.h"

namespace {

// With the cursor kept inside +-2^30 every square and sum stays below 2^63.
constexpr long long kCoordLimit = 1LL << 30;

long long clamp_coord(long long v)
{
    return v < -kCoordLimit ? -kCoordLimit : (v > kCoordLimit ? kCoordLimit : v);
}

}  // namespace

bool pick_hit(long long cursorX, long long cursorY, short sx, short sy, int radius)
{
    const long long dx = clamp_coord(cursorX) - sx;
    const long long dy = clamp_coord(cursorY) - sy;
    const long long r = radius;
    return dx * dx + dy * dy < r * r;
}

void pick_test(Star *star, short sx, short sy, int radius)
{
    MainScreenPart &part = *renderContext.part;
    const long long cx = static_cast<long long>(renderContext.centerX) + part.cursorDx;
    const long long cy = static_cast<long long>(renderContext.centerY) + part.cursorDy;
    if (pick_hit(cx, cy, sx, sy, radius))
        part.pickedStar = star;
}
