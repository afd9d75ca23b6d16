#include "widget/idle_frame.h"

#include <cstring>

#include "hud/message.h"
#include "widget/MainScreenP.h"

#ifndef DIRNAUT_IDLE_SKIP
#define DIRNAUT_IDLE_SKIP 1
#endif

namespace {

// The inputs of the last drawn frame. The part is trivially copyable, so a
// byte copy holds it; its padding is zero-filled by the toolkit, and a stray
// difference there only costs one frame drawn again.
struct DrawnFrame {
    bool valid;
    Widget widget;
    Dimension width, height;
    MainScreenPart part;
    GalaxyLevel levels[kGalaxyStackSize];
};

DrawnFrame drawn;

bool same_inputs(Widget w, const MainScreenPart &ms)
{
    if (!drawn.valid || drawn.widget != w || drawn.width != w->core.width || drawn.height != w->core.height)
        return false;
    if (std::memcmp(&drawn.part, &ms, sizeof ms) != 0)
        return false;
    const Viewpoint &vp = ms.viewpoint;
    if (vp.levels == nullptr || vp.depth < 0 || vp.depth >= kGalaxyStackSize)
        return false;
    return std::memcmp(drawn.levels, vp.levels, sizeof(GalaxyLevel) * static_cast<std::size_t>(vp.depth + 1)) == 0;
}

}  // namespace

bool frame_is_idle(Widget w)
{
    const MainScreenPart &ms = screen_part(w);
    // With the stack full, every frame may refuse a push and say so.
    const bool stackFull = ms.viewpoint.depth >= kGalaxyStackSize - 1;
    if (DIRNAUT_IDLE_SKIP && !messageShown && !stackFull && same_inputs(w, ms))
        return true;
    drawn.valid = ms.viewpoint.levels != nullptr && ms.viewpoint.depth >= 0 && !stackFull;
    drawn.widget = w;
    drawn.width = w->core.width;
    drawn.height = w->core.height;
    std::memcpy(&drawn.part, &ms, sizeof ms);
    if (drawn.valid)
        std::memcpy(drawn.levels, ms.viewpoint.levels,
                    sizeof(GalaxyLevel) * static_cast<std::size_t>(ms.viewpoint.depth + 1));
    return false;
}

void frame_served(bool universeChanged)
{
    if (universeChanged)
        drawn.valid = false;
}

void forget_drawn_frame()
{
    drawn.valid = false;
}
