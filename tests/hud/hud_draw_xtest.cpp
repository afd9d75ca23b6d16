#include <gtest/gtest.h>

#include <X11/Xutil.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "hud/hud.h"
#include "hud/hud_draw_parts.h"
#include "hud/message.h"
#include "universe/star.h"
#include "widget/MainScreenP.h"

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;

// An image of a drawable as 0xRRGGBB values (a TrueColor server).
struct Pixels {
    int width = 0, height = 0;
    std::vector<std::uint32_t> px;
    std::uint32_t at(int x, int y) const { return px[static_cast<std::size_t>(y) * width + x]; }
    int count(std::uint32_t rgb, int x0, int y0, int x1, int y1) const
    {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                n += at(x, y) == rgb;
        return n;
    }
};

Pixels read_pixels(Display *dpy, Drawable d, int width, int height)
{
    Pixels p;
    p.width = width;
    p.height = height;
    XImage *img = XGetImage(dpy, d, 0, 0, width, height, AllPlanes, ZPixmap);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            p.px.push_back(static_cast<std::uint32_t>(XGetPixel(img, x, y) & 0xffffff));
    XDestroyImage(img);
    return p;
}

// A MainScreen record built by hand around a pixmap, so that the display is
// drawn exactly as a frame does, without the toolkit.
class HudDraw : public testing::Test {
protected:
    void SetUp() override
    {
        dpy = XOpenDisplay(nullptr);
        ASSERT_NE(dpy, nullptr) << "no X server";
        Screen *screen = DefaultScreenOfDisplay(dpy);
        rec.core.screen = screen;
        rec.core.width = kWidth;
        rec.core.height = kHeight;
        rec.core.depth = static_cast<Cardinal>(DefaultDepthOfScreen(screen));
        w = reinterpret_cast<Widget>(&rec);
        fixed = XLoadQueryFont(dpy, "fixed");
        ASSERT_NE(fixed, nullptr);

        MainScreenPart &ms = screen_part(w);
        ms.centerX = kWidth / 2;
        ms.centerY = kHeight / 2;
        ms.cursorSize = 20;
        ms.showInfo = True;
        ms.showMeasure = True;
        ms.infoFont = fixed;
        ms.measureFont = fixed;
        ms.velocity = 2.5;
        hud_layout(w);

        levels.resize(kGalaxyStackSize);
        levels[0].galaxy = &galaxy;
        galaxy.kind = STAR_GALAXY;
        galaxy.name = galaxyName;
        galaxy.path = galaxyPath;
        vp.levels = levels.data();
        vp.forward = Vec3{0, 0, 1};
        ms.viewpoint = vp;
    }

    void TearDown() override
    {
        if (!dpy)
            return;
        MainScreenPart &ms = screen_part(w);
        if (ms.pixmap != None) {
            for (GC gc : {ms.cursorGC, ms.infoGC, ms.measureGC, ms.backgroundGC})
                XFreeGC(dpy, gc);
            XFreePixmap(dpy, ms.pixmap);
        }
        if (fixed)
            XFreeFont(dpy, fixed);
        XCloseDisplay(dpy);
    }

    Pixel pixel(const char *name)
    {
        XColor c, exact;
        XAllocNamedColor(dpy, DefaultColormapOfScreen(rec.core.screen), name, &c, &exact);
        return c.pixel;
    }

    GC make_gc(const char *colour, const XFontStruct *font)
    {
        XGCValues v{};
        v.foreground = pixel(colour);
        unsigned long mask = GCForeground;
        if (font) {
            v.font = font->fid;
            mask |= GCFont;
        }
        return XCreateGC(dpy, screen_part(w).pixmap, mask, &v);
    }

    // The surfaces as the frame builds them: the GCs carry a font only when
    // the font resource is set.
    void build()
    {
        MainScreenPart &ms = screen_part(w);
        ms.pixmap = XCreatePixmap(dpy, RootWindowOfScreen(rec.core.screen), kWidth, kHeight, rec.core.depth);
        ms.backgroundGC = make_gc("black", nullptr);
        ms.cursorGC = make_gc("white", nullptr);
        ms.infoGC = make_gc("green", ms.infoFont);
        ms.measureGC = make_gc("green", ms.measureFont);
    }

    Pixels draw()
    {
        MainScreenPart &ms = screen_part(w);
        if (ms.pixmap == None)
            build();
        XFillRectangle(dpy, ms.pixmap, ms.backgroundGC, 0, 0, kWidth, kHeight);
        hud_draw(w, ms.viewpoint, ms.flyingMode);
        return read_pixels(dpy, ms.pixmap, kWidth, kHeight);
    }

    Display *dpy = nullptr;
    MainScreenRec rec{};
    Widget w = nullptr;
    XFontStruct *fixed = nullptr;
    std::vector<GalaxyLevel> levels;
    char galaxyName[4] = "usr";
    char galaxyPath[6] = "/usr/";
    Star galaxy{};
    Viewpoint vp{};
    static constexpr std::uint32_t kWhite = 0xffffff, kGreen = 0x00ff00, kBlack = 0;
};

TEST_F(HudDraw, CrosshairArmsRunFromTwentyToFortyPixels)
{
    MainScreenPart &ms = screen_part(w);
    ms.showInfo = False;
    ms.showMeasure = False;
    ms.cursorDx = 10;
    ms.cursorDy = -5;
    const Pixels p = draw();
    const int x = 330, y = 235;
    // Four arms of 21 pixels each, nothing else.
    EXPECT_EQ(p.count(kWhite, 0, 0, kWidth, kHeight), 84);
    for (int d = 20; d <= 40; ++d) {
        EXPECT_EQ(p.at(x - d, y), kWhite) << d;
        EXPECT_EQ(p.at(x + d, y), kWhite) << d;
        EXPECT_EQ(p.at(x, y - d), kWhite) << d;
        EXPECT_EQ(p.at(x, y + d), kWhite) << d;
    }
    EXPECT_EQ(p.count(kWhite, x - 19, y - 19, x + 20, y + 20), 0);  // the middle stays open
}

TEST_F(HudDraw, MessageFlagClearedOnEveryPath)
{
    MainScreenPart &ms = screen_part(w);
    const Boolean switches[][2] = {{True, True}, {False, False}, {True, False}, {False, True}};
    for (const auto &s : switches) {
        ms.showInfo = s[0];
        ms.showMeasure = s[1];
        messageShown = True;
        draw();
        EXPECT_FALSE(messageShown);
    }
    // Even without surfaces to draw on.
    XFreePixmap(dpy, ms.pixmap);
    ms.pixmap = None;
    messageShown = True;
    hud_draw(w, ms.viewpoint, 0);
    EXPECT_FALSE(messageShown);
    build();
}

TEST_F(HudDraw, HeadingTapeTicksAndLabelsAtHeadingZero)
{
    MainScreenPart &ms = screen_part(w);
    ms.showInfo = False;
    const Pixels p = draw();
    const int top = 378;
    for (int i = 0; i < 13; ++i) {
        const int x = 219 + 16 * i;
        const bool labelled = i == 1 || i == 6 || i == 11;
        SCOPED_TRACE(x);
        EXPECT_EQ(p.at(x, top), kGreen);
        EXPECT_EQ(p.at(x, top + 4), kGreen);
        EXPECT_EQ(p.at(x, top + 5), labelled ? kGreen : kBlack);
        EXPECT_EQ(p.at(x, top + 8), labelled ? kGreen : kBlack);
        EXPECT_EQ(p.at(x, top + 9), kBlack);
    }
    // Each label sits centred on its tick, its top at the tape's top + 10.
    const int labelTop = top + 10 + fixed->ascent - fixed->max_bounds.ascent;
    const int labelBottom = top + 10 + fixed->ascent + fixed->max_bounds.descent;
    for (const auto &[x, digits] : {std::pair{235, 3}, {315, 1}, {395, 2}}) {
        int lo = INT_MAX, hi = INT_MIN;
        for (int xx = x - 20; xx <= x + 20; ++xx)
            if (p.count(kGreen, xx, labelTop, xx + 1, labelBottom) > 0) {
                lo = std::min(lo, xx);
                hi = std::max(hi, xx);
            }
        SCOPED_TRACE(x);
        ASSERT_NE(lo, INT_MAX);
        EXPECT_LE(hi - lo + 1, digits * fixed->max_bounds.width);
        EXPECT_NEAR((lo + hi) / 2.0, x, 1.5);
    }
    // Nothing of the heading tape leaks out of its area (the pitch tape lies elsewhere).
    EXPECT_EQ(p.count(kGreen, 0, top + 64, kWidth, kHeight), 0);
}

TEST_F(HudDraw, PitchTapeClipStaysOnTheMeasureGC)
{
    MainScreenPart &ms = screen_part(w);
    ms.showInfo = False;
    const Pixels tapes = draw();
    // Pitch 0: ticks from y 341 upwards every 16 pixels at the tape's left edge.
    for (int i = 0; i < 13; ++i)
        EXPECT_EQ(tapes.at(458, 341 - 16 * i), kGreen) << i;
    EXPECT_EQ(tapes.at(458 + 8, 245), kGreen);   // the long tick of 0
    EXPECT_EQ(tapes.at(458 + 5, 341), kBlack);   // a short one
    // Filling everything with measureGC afterwards reaches only the pitch tape's area.
    XFillRectangle(dpy, ms.pixmap, ms.measureGC, 0, 0, kWidth, kHeight);
    const Pixels filled = read_pixels(dpy, ms.pixmap, kWidth, kHeight);
    const int outside = tapes.count(kGreen, 0, 0, kWidth, kHeight) - tapes.count(kGreen, 458, 134, 522, 347);
    EXPECT_EQ(filled.count(kGreen, 0, 0, kWidth, kHeight), outside + 64 * 213);
    EXPECT_EQ(filled.count(kGreen, 458, 134, 522, 347), 64 * 213);
}

// The info panel must match the same texts drawn at their places by hand.
TEST_F(HudDraw, InfoPanelTextsAtTheirPlaces)
{
    MainScreenPart &ms = screen_part(w);
    ms.showMeasure = False;
    ms.flyingMode = 1;
    Star planet{};
    char name[6] = "notes";
    planet.kind = STAR_PLANET;
    planet.name = name;
    planet.fileSize = 512;
    ms.pickedStar = &planet;
    const Pixels got = draw();

    const int m = fixed->max_bounds.width;
    const int lines = 4 * (fixed->max_bounds.ascent + fixed->max_bounds.descent);
    // The fixed font is too short for the help lines' usual place: they are
    // lifted until the lower one ends on the last row.
    const int lift = std::max(0, 60 - lines + fixed->max_bounds.descent);
    ASSERT_GT(lift, 0);
    const struct {
        int x, y;
        std::string text;
    } want[] = {
        {32, 32, "Velocity:"},
        {32, 62, "Current Galaxy:"},
        {32 + 16 * m, 32, "2.5 C"},
        {32 + 16 * m, 62, "/usr/"},
        {32, 92, "> notes [512]"},
        {kWidth - 20 * m, kHeight - lines + 30 - lift, "Button1 : Forward"},
        {kWidth - 20 * m, kHeight - lines + 60 - lift, "Button3 : Backward"},
    };
    XFillRectangle(dpy, ms.pixmap, ms.backgroundGC, 0, 0, kWidth, kHeight);
    hud_draw_crosshair(w);
    for (const auto &t : want)
        XDrawString(dpy, ms.pixmap, ms.infoGC, t.x, t.y, t.text.data(), static_cast<int>(t.text.size()));
    const Pixels expected = read_pixels(dpy, ms.pixmap, kWidth, kHeight);
    EXPECT_GT(got.count(kGreen, 0, 0, kWidth, kHeight), 300);
    EXPECT_TRUE(got.px == expected.px);
}

// Without the two fonts the GCs draw in the server's default font; the
// display measures that same font, so labels stay centred.
TEST_F(HudDraw, MissingFontsDrawInTheServerDefault)
{
    MainScreenPart &ms = screen_part(w);
    ms.infoFont = nullptr;
    ms.measureFont = nullptr;
    const Pixels p = draw();
    EXPECT_GT(p.count(kGreen, 0, 0, kWidth, 100), 100);           // info panel text
    EXPECT_GT(p.count(kGreen, 214, 378 + 10, 427, 378 + 64), 10);  // heading labels
    // The "0" label (tick at x 315) is centred on its tick.
    int lo = INT_MAX, hi = INT_MIN;
    for (int x = 300; x <= 330; ++x)
        if (p.count(kGreen, x, 378 + 10, x + 1, 378 + 64) > 0) {
            lo = std::min(lo, x);
            hi = std::max(hi, x);
        }
    ASSERT_NE(lo, INT_MAX);
    EXPECT_NEAR((lo + hi) / 2.0, 315, 1.5);

    // The server's default font here is "fixed": the panel looks as with it.
    ms.infoFont = fixed;
    ms.showMeasure = False;
    XFreeGC(dpy, ms.infoGC);
    ms.infoGC = make_gc("green", fixed);
    const Pixels withFont = draw();
    ms.infoFont = nullptr;
    XFreeGC(dpy, ms.infoGC);
    ms.infoGC = make_gc("green", nullptr);
    const Pixels without = draw();
    EXPECT_TRUE(withFont.px == without.px);
}

// Texts far longer than the window run off its right edge, and the drawing
// request stays within the protocol's limits.
TEST_F(HudDraw, OverlongPathAndNameRunOffTheEdge)
{
    MainScreenPart &ms = screen_part(w);
    ms.showMeasure = False;
    std::string path(300000, 'p');  // more than one text request can carry
    path.front() = '/';
    path.back() = '/';
    galaxy.path = path.data();
    std::string name(3000, 'n');
    Star planet{};
    planet.kind = STAR_PLANET;
    planet.name = name.data();
    planet.fileSize = 1;
    ms.pickedStar = &planet;
    ms.velocity = -1.7976931348623157e308;
    const Pixels p = draw();
    // Text reaches the right edge in the path and picked rows ...
    EXPECT_GT(p.count(kGreen, kWidth - 8, 50, kWidth, 64), 0);
    EXPECT_GT(p.count(kGreen, kWidth - 8, 80, kWidth, 94), 0);
}

}  // namespace
