#pragma once

#include <X11/Intrinsic.h>

#include "widget/lists.h"

// One prepared GC per colour of a colour list.
struct ColorGCSet {
    int count;
    GC *gcs;
};

// One prepared GC per label font, with the font's height for choosing.
struct LabelFontSet {
    int count;
    int *heights;  // ascent + descent
    GC *gcs;
    XFontStruct **fonts;
};

// Builds the pixmap and every GC at the widget's current size.
void build_surfaces(Widget w);
LabelFontSet *make_label_font_set(Display *dpy, Drawable d, Pixel pixel, const FontStructList *fonts);

// The class's resize procedure: drops the surfaces; the next frame rebuilds them.
void surfaces_resize(Widget w);
// The class's expose procedure: copies the whole pixmap to the window.
void surfaces_expose(Widget w, XEvent *event, Region region);
