#pragma once

#include <X11/Xlib.h>

// The font that text drawn with a GC comes out in: the font resource when it
// loaded, otherwise the server's default font, which a GC without a font of
// its own draws with. The default font is described by asking the server about
// the GC itself, so measuring always matches drawing.
struct HudFont {
    XFontStruct *font;  // null only when the server could not describe it
    bool queried;       // described by the server for this frame; released after use
};

HudFont hud_font_acquire(Display *dpy, GC gc, XFontStruct *resourceFont);
void hud_font_release(HudFont &f);

// XTextWidth, or 0 without a font.
int hud_text_width(const HudFont &f, const char *text, int length);
