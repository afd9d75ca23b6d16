// Surfaces, resize and expose of a real MainScreen widget, frame by frame.

#include <gtest/gtest.h>

#include <X11/IntrinsicP.h>

#include "tests/e2e/harness.h"
#include "tests/e2e/xt_app.h"
#include "universe/universe.h"
#include "widget/MainScreenP.h"
#include "widget/fonts.h"
#include "widget/frame_tick.h"

namespace {

using e2e::grab;
using e2e::rgb_of;

void fill(Display *dpy, Drawable d, const char *colour, int x, int y, int w, int h)
{
    GC gc = XCreateGC(dpy, d, 0, nullptr);
    XSetForeground(dpy, gc, rgb_of(dpy, colour));
    XFillRectangle(dpy, d, gc, x, y, w, h);
    XFreeGC(dpy, gc);
    XSync(dpy, False);
}

class Surfaces : public testing::Test {
protected:
    void SetUp() override { init_universe(); }
    e2e::XtApp app;
};

TEST_F(Surfaces, FirstFrameBuildsEverySetFromItsList)
{
    Widget w = app.create_screen(640, 480);
    MainScreenPart &ms = screen_part(w);
    EXPECT_EQ(ms.pixmap, static_cast<Pixmap>(None));
    frame_tick(w);
    ASSERT_NE(ms.pixmap, static_cast<Pixmap>(None));
    EXPECT_EQ(ms.centerX, 320);
    EXPECT_EQ(ms.centerY, 240);
    EXPECT_EQ(ms.headingTapeArea.x, 214);
    EXPECT_EQ(ms.planetGCSets[1][1]->count, ms.innerPlanetColors->count);
    EXPECT_EQ(ms.planetGCSets[1][1]->count, 4);
    EXPECT_EQ(ms.galaxyGCSets[0][1]->count, 2);
    EXPECT_EQ(ms.wormholeGCSets[1]->count, 1);
    ASSERT_EQ(ms.labelFontSets[0]->count, 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(ms.labelFontSets[0]->fonts[i], ms.labelFontSets[1]->fonts[i]);
        EXPECT_EQ(ms.labelFontSets[0]->heights[i], ms.labelFonts->fonts[i]->ascent + ms.labelFonts->fonts[i]->descent);
        EXPECT_NE(ms.labelFontSets[0]->gcs[i], ms.labelFontSets[1]->gcs[i]);
    }
    const e2e::Image img = grab(app.display(), XtWindow(w));
    EXPECT_EQ(img.at(639, 479), rgb_of(app.display(), "rgb:0/0/2"));
}

TEST_F(Surfaces, ResizeDropsThemAndTheNextFrameRebuildsAtTheNewSize)
{
    Widget w = app.create_screen(640, 480);
    MainScreenPart &ms = screen_part(w);
    // The shell passes its new size on to screen1, whose resize procedure runs.
    XtResizeWidget(app.shell(), 700, 500, 0);  // before any frame: nothing to drop
    ASSERT_EQ(w->core.width, 700);
    EXPECT_EQ(ms.pixmap, static_cast<Pixmap>(None));
    frame_tick(w);
    EXPECT_EQ(ms.centerX, 350);

    XtResizeWidget(app.shell(), 800, 600, 0);
    EXPECT_EQ(ms.pixmap, static_cast<Pixmap>(None));
    fill(app.display(), XtWindow(w), "yellow", 790, 590, 10, 10);
    frame_tick(w);
    EXPECT_EQ(ms.centerX, 400);
    EXPECT_EQ(ms.centerY, 300);
    EXPECT_EQ(ms.headingTapeArea.width, 800 / 3);
    EXPECT_EQ(grab(app.display(), XtWindow(w)).at(795, 595), rgb_of(app.display(), "rgb:0/0/2"));
}

TEST_F(Surfaces, ExposeCopiesThePixmapOnlyOnceItExists)
{
    Widget w = app.create_screen(640, 480);
    Display *dpy = app.display();
    const std::uint32_t yellow = rgb_of(dpy, "yellow");

    // An expose before the first frame draws nothing (and must not fail).
    XClearArea(dpy, XtWindow(w), 0, 0, 0, 0, True);
    app.process_pending();
    EXPECT_NE(grab(dpy, XtWindow(w)).at(10, 10), yellow);

    frame_tick(w);
    fill(dpy, screen_part(w).pixmap, "yellow", 0, 0, 20, 20);
    EXPECT_NE(grab(dpy, XtWindow(w)).at(10, 10), yellow);
    XClearArea(dpy, XtWindow(w), 0, 0, 0, 0, True);  // the server sends an Expose
    app.process_pending();
    EXPECT_EQ(grab(dpy, XtWindow(w)).at(10, 10), yellow);
}

TEST_F(Surfaces, ListsThatFailedEntirelyStillGiveOneEntry)
{
    Widget w = app.create_screen(320, 200);
    MainScreenPart &ms = screen_part(w);
    // As after a value and a default that both failed to convert.
    ms.labelFonts = nullptr;
    ms.innerPlanetColors = nullptr;
    ms.infoFont = nullptr;
    frame_tick(w);
    ASSERT_EQ(ms.labelFontSets[1]->count, 1);
    XFontStruct *font = server_default_font(app.display());
    EXPECT_EQ(ms.labelFontSets[1]->fonts[0], font);
    EXPECT_EQ(ms.labelFontSets[1]->heights[0], font->ascent + font->descent);
    EXPECT_EQ(ms.planetGCSets[1][1]->count, 1);
    // The default font's GC draws text without a server error.
    XDrawString(app.display(), ms.pixmap, ms.labelFontSets[1]->gcs[0], 10, 20, "label", 5);
    XDrawString(app.display(), ms.pixmap, ms.infoGC, 10, 40, "info", 4);
    XSync(app.display(), False);
    frame_tick(w);
}

}  // namespace
