// Frames at rest on a real window: they send no requests while nothing that
// shows has changed, and draw again as soon as anything has.

#include <gtest/gtest.h>

#include <X11/IntrinsicP.h>

#include <functional>
#include <string>

#include "hud/message.h"
#include "tests/e2e/harness.h"
#include "tests/e2e/xt_app.h"
#include "universe/universe.h"
#include "widget/MainScreenP.h"
#include "widget/frame_tick.h"
#include "widget/idle_frame.h"
#include "widget/surfaces.h"

namespace {

using e2e::grab;
using e2e::Image;

class IdleFrame : public testing::Test {
protected:
    void SetUp() override
    {
        init_universe();
        messageShown = False;
        w = app.create_screen(640, 480);
        ms = &screen_part(w);
        dpy = app.display();
    }

    // Requests one frame sends to the server.
    unsigned long frame_requests()
    {
        const unsigned long before = XNextRequest(dpy);
        frame_tick(w);
        return XNextRequest(dpy) - before;
    }

    // Runs frames until one sends nothing; false when none does within a few.
    bool settle()
    {
        for (int i = 0; i < 40; ++i)
            if (frame_requests() == 0)
                return true;
        return false;
    }

    Image window() { return grab(dpy, XtWindow(w)); }

    e2e::XtApp app;
    Widget w = nullptr;
    MainScreenPart *ms = nullptr;
    Display *dpy = nullptr;
};

TEST_F(IdleFrame, AtRestTheWindowShowsWhatAFullFrameWouldDraw)
{
    ASSERT_TRUE(settle());
    EXPECT_EQ(frame_requests(), 0u);
    const Image resting = window();
    forget_drawn_frame();
    EXPECT_GT(frame_requests(), 0u);
    const Image redrawn = window();
    EXPECT_EQ(resting.pixels, redrawn.pixels);
    EXPECT_EQ(frame_requests(), 0u);
}

TEST_F(IdleFrame, EveryChangeThatShowsDrawsTheNextFrame)
{
    struct Case {
        const char *what;
        std::function<void()> change;
    };
    const Case cases[] = {
        {"cursor offset", [&] { ms->cursorDx += 9; }},
        {"viewer moved", [&] { ms->viewpoint.levels[ms->viewpoint.depth].position.z += 0.01; }},
        {"velocity", [&] { ms->velocity = 1e-9; }},
        {"flying mode", [&] { ms->flyingMode ^= 1; }},
        {"info panel switch", [&] { ms->showInfo = !ms->showInfo; }},
        {"label switch", [&] { ms->showLabel = !ms->showLabel; }},
        {"line width resource", [&] { ms->currentGalaxyLineWidth += 1; }},
        {"picked star", [&] { ms->pickedStar = &rootGalaxy.children[0]; }},
        {"surfaces dropped", [&] { surfaces_resize(w); }},
        {"message on the window", [&] { show_message(w, "Hello\n"); }},
        // The root released by the request pass after an idle frame.
        {"universe changed", [&] {
             rootGalaxy.request = REQUEST_RELEASE;
             frame_tick(w);
         }},
    };
    ASSERT_GT(rootGalaxy.childCount, 0);
    for (const Case &c : cases) {
        ASSERT_TRUE(settle()) << c.what;
        c.change();
        EXPECT_GT(frame_requests(), 0u) << c.what;
        // A moving or turning viewer would never come to rest.
        ms->velocity = 0;
        ms->cursorDx = 0;
    }
    EXPECT_TRUE(settle());
}

TEST_F(IdleFrame, AMessageIsCoveredAndAnExposeRepaintsWhileAtRest)
{
    ASSERT_TRUE(settle());
    const Image resting = window();
    show_message(w, "Scanning...\n/some/where/\n");
    ASSERT_NE(window().pixels, resting.pixels);
    frame_requests();
    EXPECT_EQ(window().pixels, resting.pixels);

    ASSERT_TRUE(settle());
    // Lost window contents come back from the pixmap, which still holds the frame.
    XClearArea(dpy, XtWindow(w), 100, 100, 200, 150, True);
    XSync(dpy, False);
    app.process_pending();
    EXPECT_EQ(window().pixels, resting.pixels);
    EXPECT_EQ(frame_requests(), 0u);
}

}  // namespace
