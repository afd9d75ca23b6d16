#include "widget/frame_tick.h"

#include "hud/hud.h"
#include "navigation/navigation_step.h"
#include "navigation/scene_place.h"
#include "universe/universe.h"
#include "widget/MainScreenP.h"
#include "widget/idle_frame.h"
#include "widget/surfaces.h"

void clamp_cursor(int &dx, int &dy, int centerX, int centerY)
{
    const int limX = static_cast<int>(0.8 * centerX);
    const int limY = static_cast<int>(0.8 * centerY);
    if (dx < -limX)
        dx = -limX;
    else if (dx > limX)
        dx = limX;
    if (dy < -limY)
        dy = -limY;
    else if (dy > limY)
        dy = limY;
}

void frame_tick(Widget w)
{
    MainScreenPart &ms = screen_part(w);
    Display *dpy = XtDisplay(w);

    if (ms.pixmap == None)
        build_surfaces(w);

    if (ms.velocityOp != nullptr)
        ms.velocityOp(w, ms.velocityOpArg);
    if (ms.cursorOp != nullptr)
        ms.cursorOp(w, ms.cursorOpArgX, ms.cursorOpArgY);
    clamp_cursor(ms.cursorDx, ms.cursorDy, ms.centerX, ms.centerY);

    navigation_step(ms);

    // At rest the window already shows this frame: nothing is sent.
    if (!frame_is_idle(w)) {
        XFillRectangle(dpy, ms.pixmap, ms.backgroundGC, 0, 0, w->core.width, w->core.height);

        scene_place(w, ms.viewpoint);

        // The instruments over the scene; this also re-enables the message overlay.
        hud_draw(w, ms.viewpoint, ms.flyingMode);

        surfaces_expose(w, nullptr, nullptr);
    }

    update_universe(w);
    frame_served(universeChanged);
    XFlush(dpy);
}
