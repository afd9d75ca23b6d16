#include "hud/hud_font.h"

HudFont hud_font_acquire(Display *dpy, GC gc, XFontStruct *resourceFont)
{
    if (resourceFont)
        return HudFont{resourceFont, false};
    // A GContext stands for the GC's current font in a font query.
    return HudFont{XQueryFont(dpy, XGContextFromGC(gc)), true};
}

void hud_font_release(HudFont &f)
{
    if (f.queried && f.font)
        XFreeFontInfo(nullptr, f.font, 1);
    f = HudFont{nullptr, false};
}

int hud_text_width(const HudFont &f, const char *text, int length)
{
    return f.font ? XTextWidth(f.font, text, length) : 0;
}
