#pragma once

#include <X11/Xlib.h>

#include "navigation/viewpoint.h"
#include "shell/vec3.h"

struct Star;
struct MainScreenPart;

// The per-frame record through which scene placement and the drawing work
// together. Refilled at the start of every frame.
struct RenderContext {
    Display *display;
    MainScreenPart *part;
    Pixmap pixmap;
    int width;
    int centerX;
    int centerY;
    Star *enterGalaxy;      // galaxy to enter after drawing, or null
    Viewpoint *viewpoint;
    GalaxyLevel *topLevel;  // levels[depth]
    Star *skipGalaxy;       // the next deeper level's galaxy, drawn by its own level
    double enterScale;
    Vec3 enterPosition;
};

extern RenderContext renderContext;
