#pragma once

#include <X11/Intrinsic.h>

struct Viewpoint;

// One frame of the scene: fills the render context from the widget, places
// every reachable star, draws the stack levels outermost first, then enters or
// leaves at most one galaxy and rescales the widget's velocity with it.
void scene_place(Widget w, Viewpoint &vp);

// The same once the render context holds the drawing target, the widget's
// part and the projection centre (split out for tests and benchmarks that
// draw without a widget).
void scene_run(Viewpoint &vp);
