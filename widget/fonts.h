#pragma once

#include <X11/Xlib.h>

// Metrics of the font a GC without a font of its own draws with: the
// server's default font. Used wherever a font resource failed to load.
XFontStruct *server_default_font(Display *dpy);

// The font itself, or the server's default font when it is missing.
inline XFontStruct *font_or_default(Display *dpy, XFontStruct *font)
{
    return font != nullptr ? font : server_default_font(dpy);
}
