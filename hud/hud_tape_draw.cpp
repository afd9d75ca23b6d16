#include "hud/hud_angles.h"
#include "hud/hud_draw_parts.h"
#include "hud/hud_font.h"
#include "hud/hud_geometry.h"
#include "hud/hud_tapes.h"
#include "navigation/viewpoint.h"
#include "widget/MainScreenP.h"
#include "widget/fonts.h"

namespace {

struct TapeDrawing {
    Display *dpy;
    Drawable d;
    GC gc;
    const XFontStruct *font;  // measures the labels; null only if the server gave no description
};

void draw_label(const TapeDrawing &t, int tapeAngle, long long x, long long y, bool centred)
{
    char text[kTapeLabelSize];
    const int n = tape_label(text, tapeAngle);
    if (centred)
        x = heading_label_x(static_cast<int>(x), hud_text_width(t.font, text, n));
    XDrawString(t.dpy, t.d, t.gc, clamp_coord(x), clamp_coord(y), text, n);
}

void draw_heading_tape(const TapeDrawing &t, const XRectangle &area, int heading, int halfRange, int centerX)
{
    XRectangle clip = area;
    XSetClipRectangles(t.dpy, t.gc, 0, 0, &clip, 1, YXBanded);
    const TapeRun run = tape_run(heading, halfRange);
    const int top = area.y;
    const int ascent = t.font != nullptr ? t.font->ascent : 0;
    for (int i = 0; i < tape_tick_count(run); ++i) {
        const int a = run.first + kTickDegrees * i;
        const int x = heading_tick_x(run, i, centerX, area.width);
        if (!coord_fits(x))
            continue;  // beyond what a drawing request can reach
        if (tape_tick_labelled(a))
            draw_label(t, a, x, heading_label_y(top, ascent), true);
        XDrawLine(t.dpy, t.d, t.gc, x, top, x, clamp_coord(top + tape_tick_length(a)));
    }
}

void draw_pitch_tape(const TapeDrawing &t, const XRectangle &area, int pitch, int halfRange, int centerY)
{
    XRectangle clip = area;
    XSetClipRectangles(t.dpy, t.gc, 0, 0, &clip, 1, YXBanded);
    const TapeRun run = tape_run(pitch, halfRange);
    const int left = area.x;
    const int ascent = t.font != nullptr ? t.font->ascent : 0;
    for (int i = 0; i < tape_tick_count(run); ++i) {
        const int b = run.first + kTickDegrees * i;
        const int y = pitch_tick_y(run, i, centerY, area.height);
        if (!coord_fits(y))
            continue;
        if (tape_tick_labelled(b))
            draw_label(t, b, pitch_label_x(left), pitch_label_y(y, ascent), false);
        XDrawLine(t.dpy, t.d, t.gc, left, y, clamp_coord(left + tape_tick_length(b)), y);
    }
}

}  // namespace

// The pitch tape's clip stays on measureGC after the frame; nothing else
// draws with that GC.
void hud_draw_tapes(Widget w, const Viewpoint &vp)
{
    const MainScreenPart &ms = screen_part(w);
    Display *dpy = XtDisplay(w);
    const TapeDrawing t{dpy, ms.pixmap, ms.measureGC, font_or_default(dpy, ms.measureFont)};
    const int halfRange = tape_half_range(ms.headingTapeArea.width);
    draw_heading_tape(t, ms.headingTapeArea, hud_heading(vp.forward), halfRange, ms.centerX);
    draw_pitch_tape(t, ms.pitchTapeArea, hud_pitch(vp.forward), halfRange, ms.centerY);
}
