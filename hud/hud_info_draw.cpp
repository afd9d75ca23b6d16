#include <cstring>

#include "hud/hud_draw_parts.h"
#include "hud/hud_font.h"
#include "hud/hud_info.h"
#include "navigation/viewpoint.h"
#include "universe/star.h"
#include "widget/MainScreenP.h"
#include "widget/fonts.h"

namespace {

void draw_text(Display *dpy, Drawable d, GC gc, XPoint at, const char *text, int length)
{
    if (length > 0)
        XDrawString(dpy, d, gc, at.x, at.y, text, length);
}

template <std::size_t N>
void draw_caption(Display *dpy, Drawable d, GC gc, XPoint at, const char (&text)[N])
{
    draw_text(dpy, d, gc, at, text, static_cast<int>(N - 1));
}

// The current galaxy's path, or null should the stack not name one.
const char *current_path(const Viewpoint &vp)
{
    if (!vp.levels || vp.depth < 0 || vp.depth >= kGalaxyStackSize)
        return nullptr;
    const Star *g = vp.levels[vp.depth].galaxy;
    return g ? g->path : nullptr;
}

}  // namespace

void hud_draw_info(Widget w, const Viewpoint &vp, int flyingMode)
{
    const MainScreenPart &ms = screen_part(w);
    Display *dpy = XtDisplay(w);
    const Drawable d = ms.pixmap;
    const GC gc = ms.infoGC;

    const XFontStruct *font = font_or_default(dpy, ms.infoFont);
    FontMetrics metrics{};
    if (font != nullptr)
        metrics = FontMetrics{font->max_bounds.width, font->max_bounds.ascent, font->max_bounds.descent};
    const InfoLayout at = info_layout(w->core.width, w->core.height, metrics);

    draw_caption(dpy, d, gc, at.velocityCaption, kVelocityCaption);
    draw_caption(dpy, d, gc, at.galaxyCaption, kGalaxyCaption);

    char velocity[kVelocityTextSize];
    draw_text(dpy, d, gc, at.velocity, velocity, format_velocity(velocity, ms.velocity, flyingMode));

    if (const char *path = current_path(vp))
        draw_text(dpy, d, gc, at.path, path, drawable_length(std::strlen(path)));

    char picked[kPickedTextSize];
    draw_text(dpy, d, gc, at.picked, picked, format_picked(picked, ms.pickedStar, &rootGalaxy));

    draw_caption(dpy, d, gc, at.forwardHelp, kForwardHelp);
    draw_caption(dpy, d, gc, at.backwardHelp, kBackwardHelp);
}
