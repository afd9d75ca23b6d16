#pragma once

#include <X11/Intrinsic.h>

struct Viewpoint;

// Lays out the two tape areas from the widget's width and centre.
void hud_layout(Widget w);
// Crosshair, tapes and info panel over the scene; clears messageShown last.
void hud_draw(Widget w, Viewpoint &vp, int flyingMode);
