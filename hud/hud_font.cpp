#include "hud/hud_font.h"

int hud_text_width(const XFontStruct *font, const char *text, int length)
{
    return font != nullptr ? XTextWidth(const_cast<XFontStruct *>(font), text, length) : 0;
}
