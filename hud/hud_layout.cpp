#include "hud/hud.h"
#include "hud/hud_geometry.h"
#include "widget/MainScreenP.h"

void hud_layout(Widget w)
{
    MainScreenPart &ms = screen_part(w);
    const TapeAreas t = hud_tape_areas(w->core.width, ms.centerX, ms.centerY);
    ms.headingTapeArea = t.heading;
    ms.pitchTapeArea = t.pitch;
}
