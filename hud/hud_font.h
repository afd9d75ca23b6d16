#pragma once

#include <X11/Xlib.h>

// XTextWidth, or 0 when the server could not describe the font.
int hud_text_width(const XFontStruct *font, const char *text, int length);
