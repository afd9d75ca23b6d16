#include "widget/surfaces.h"

#include <cstdlib>
#include <initializer_list>

#include "hud/hud.h"
#include "widget/MainScreenP.h"
#include "widget/fonts.h"
#include "widget/idle_frame.h"

namespace {

GC make_gc(Display *dpy, Drawable d, Pixel foreground, const XFontStruct *font = nullptr)
{
    XGCValues values;
    values.foreground = foreground;
    unsigned long mask = GCForeground;
    // The server's default font is no font of our own: such a GC keeps its default.
    if (font != nullptr && font != server_default_font(dpy)) {
        values.font = font->fid;
        mask |= GCFont;
    }
    return XCreateGC(dpy, d, mask, &values);
}

// A list field may hold no list when its value and its default both failed to
// convert; the sets then get one entry so that drawing always has one to use.
ColorGCSet *make_color_set(Display *dpy, Drawable d, const PixelList *list, Pixel fallback)
{
    const int count = list != nullptr && list->count > 0 ? list->count : 1;
    auto *set = static_cast<ColorGCSet *>(std::malloc(sizeof(ColorGCSet)));
    set->count = count;
    set->gcs = static_cast<GC *>(std::malloc(count * sizeof(GC)));
    for (int i = 0; i < count; ++i)
        set->gcs[i] = make_gc(dpy, d, list != nullptr && list->count > 0 ? list->pixels[i] : fallback);
    return set;
}

void free_color_set(Display *dpy, ColorGCSet *set)
{
    for (int i = 0; i < set->count; ++i)
        XFreeGC(dpy, set->gcs[i]);
    std::free(set->gcs);
    std::free(set);
}

void free_label_font_set(Display *dpy, LabelFontSet *set)
{
    for (int i = 0; i < set->count; ++i)
        XFreeGC(dpy, set->gcs[i]);
    std::free(set->heights);
    std::free(set->fonts);
    std::free(set->gcs);
    std::free(set);
}

}  // namespace

LabelFontSet *make_label_font_set(Display *dpy, Drawable d, Pixel pixel, const FontStructList *fonts)
{
    XFontStruct *fallback = nullptr;
    FontStructList single{1, &fallback};
    if (fonts == nullptr || fonts->count < 1) {
        fallback = server_default_font(dpy);
        fonts = &single;
    }
    auto *set = static_cast<LabelFontSet *>(std::malloc(sizeof(LabelFontSet)));
    set->count = fonts->count;
    set->heights = static_cast<int *>(std::malloc(set->count * sizeof(int)));
    set->fonts = static_cast<XFontStruct **>(std::malloc(set->count * sizeof(XFontStruct *)));
    set->gcs = static_cast<GC *>(std::malloc(set->count * sizeof(GC)));
    for (int i = 0; i < set->count; ++i) {
        XFontStruct *font = fonts->fonts[i];
        set->heights[i] = font->ascent + font->descent;
        set->fonts[i] = font;
        set->gcs[i] = make_gc(dpy, d, pixel, font);
    }
    return set;
}

void build_surfaces(Widget w)
{
    MainScreenPart &ms = screen_part(w);
    Display *dpy = XtDisplay(w);
    const Window win = XtWindow(w);
    const Dimension width = w->core.width, height = w->core.height;
    forget_drawn_frame();  // new surfaces hold nothing yet

    ms.centerX = width / 2;
    ms.centerY = height / 2;
    hud_layout(w);

    ms.pixmap = XCreatePixmap(dpy, win, width, height, w->core.depth);
    const Pixmap pm = ms.pixmap;
    ms.copyGC = make_gc(dpy, win, 0);
    ms.backgroundGC = make_gc(dpy, pm, ms.background);
    ms.infoGC = make_gc(dpy, pm, ms.infoColor, ms.infoFont);
    ms.alertGC = make_gc(dpy, pm, ms.alertColor, ms.alertFont);
    ms.measureGC = make_gc(dpy, pm, ms.measureColor, ms.measureFont);
    ms.cursorGC = make_gc(dpy, pm, ms.cursorColor);
    ms.rootGCs[0] = make_gc(dpy, pm, ms.outerRootColor);
    ms.rootGCs[1] = make_gc(dpy, pm, ms.innerRootColor);

    const Pixel fg = ms.innerLabelColor;  // stands in for a colour list that failed entirely
    ms.galaxyGCSets[1][1] = make_color_set(dpy, pm, ms.innerGalaxyColors, fg);
    ms.galaxyGCSets[0][1] = make_color_set(dpy, pm, ms.outerGalaxyColors, fg);
    ms.galaxyGCSets[1][0] = make_color_set(dpy, pm, ms.innerUnreadableGalaxyColors, fg);
    ms.galaxyGCSets[0][0] = make_color_set(dpy, pm, ms.outerUnreadableGalaxyColors, fg);
    ms.planetGCSets[1][1] = make_color_set(dpy, pm, ms.innerPlanetColors, fg);
    ms.planetGCSets[0][1] = make_color_set(dpy, pm, ms.outerPlanetColors, fg);
    ms.planetGCSets[1][0] = make_color_set(dpy, pm, ms.innerUnreadablePlanetColors, fg);
    ms.planetGCSets[0][0] = make_color_set(dpy, pm, ms.outerUnreadablePlanetColors, fg);
    ms.wormholeGCSets[1] = make_color_set(dpy, pm, ms.innerWormholeColors, fg);
    ms.wormholeGCSets[0] = make_color_set(dpy, pm, ms.outerWormholeColors, fg);

    ms.labelFontSets[1] = make_label_font_set(dpy, pm, ms.innerLabelColor, ms.labelFonts);
    ms.labelFontSets[0] = make_label_font_set(dpy, pm, ms.outerLabelColor, ms.labelFonts);
}

void surfaces_resize(Widget w)
{
    MainScreenPart &ms = screen_part(w);
    if (ms.pixmap == None)
        return;
    Display *dpy = XtDisplay(w);
    XFreePixmap(dpy, ms.pixmap);
    ms.pixmap = None;
    forget_drawn_frame();
    for (GC gc : {ms.copyGC, ms.backgroundGC, ms.infoGC, ms.alertGC, ms.measureGC, ms.cursorGC})
        XFreeGC(dpy, gc);
    for (int side = 0; side < 2; ++side) {
        XFreeGC(dpy, ms.rootGCs[side]);
        free_color_set(dpy, ms.wormholeGCSets[side]);
        free_label_font_set(dpy, ms.labelFontSets[side]);
        for (int readable = 0; readable < 2; ++readable) {
            free_color_set(dpy, ms.galaxyGCSets[side][readable]);
            free_color_set(dpy, ms.planetGCSets[side][readable]);
        }
    }
}

void surfaces_expose(Widget w, XEvent *, Region)
{
    const MainScreenPart &ms = screen_part(w);
    if (ms.pixmap == None)
        return;
    XCopyArea(XtDisplay(w), ms.pixmap, XtWindow(w), ms.copyGC, 0, 0, w->core.width, w->core.height, 0, 0);
}
