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

void build_surfaces(Widget w);
LabelFontSet *make_label_font_set(Display *dpy, Drawable d, Pixel pixel, const FontStructList *fonts);
// Releases the pixmap and every GC; the next frame builds them again.
void free_surfaces(Widget w);
