#pragma once

#include <X11/Intrinsic.h>

// A frame at rest draws exactly the pixels already on the window, so it need
// send no drawing requests at all. These calls track what the last drawn frame
// was drawn from.

// True when the frame about to be drawn would repeat the last drawn one: every
// field of the widget's part (resources, surfaces, modes, switches, cursor,
// velocity, viewpoint, picked star), its size and the galaxy stack are as they
// were, and since then no message was drawn over the window, the surfaces were
// not rebuilt and the universe did not change. Otherwise it remembers the
// frame's inputs as those of the last drawn frame and returns false.
bool frame_is_idle(Widget w);

// Called after the request pass: a pass that changed the universe makes the
// next frame draw.
void frame_served(bool universeChanged);

// The next frame draws whatever it finds (surfaces built or dropped).
void forget_drawn_frame();
