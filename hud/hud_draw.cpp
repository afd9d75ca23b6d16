#include "hud/hud.h"
#include "hud/hud_draw_parts.h"
#include "hud/hud_geometry.h"
#include "hud/message.h"
#include "widget/MainScreenP.h"

void hud_draw_crosshair(Widget w)
{
    const MainScreenPart &ms = screen_part(w);
    XSegment arms[4];
    crosshair_segments(arms, ms.centerX, ms.centerY, ms.cursorDx, ms.cursorDy, ms.cursorSize);
    XDrawSegments(XtDisplay(w), ms.pixmap, ms.cursorGC, arms, 4);
}

void hud_draw(Widget w, Viewpoint &vp, int flyingMode)
{
    const MainScreenPart &ms = screen_part(w);
    // The frame tick builds the surfaces first; without them there is nothing to draw on.
    if (ms.pixmap != None) {
        hud_draw_crosshair(w);
        if (ms.showMeasure)
            hud_draw_tapes(w, vp);
        if (ms.showInfo)
            hud_draw_info(w, vp, flyingMode);
    }
    // Last, on every path: the next message may be drawn over this frame.
    messageShown = False;
}
