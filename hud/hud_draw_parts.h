#pragma once

#include <X11/Intrinsic.h>

struct Viewpoint;

// The three elements of the heads-up display, each drawn onto the pixmap.
void hud_draw_crosshair(Widget w);
void hud_draw_tapes(Widget w, const Viewpoint &vp);
void hud_draw_info(Widget w, const Viewpoint &vp, int flyingMode);
