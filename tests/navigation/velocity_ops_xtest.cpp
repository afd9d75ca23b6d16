// The velocity and cursor operations on a real widget, the pointer read from
// the server.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "navigation/velocity.h"
#include "tests/e2e/harness.h"
#include "tests/e2e/xt_app.h"
#include "universe/universe.h"
#include "widget/MainScreenP.h"

namespace {

class VelocityOps : public testing::Test {
protected:
    void SetUp() override
    {
        init_universe();
        w = app.create_screen(640, 480);
        screen_part(w).centerX = 320;
        screen_part(w).centerY = 240;
    }
    MainScreenPart &ms() { return screen_part(w); }
    void warp(Window to, int x, int y)
    {
        XWarpPointer(app.display(), None, to, 0, 0, 0, 0, x, y);
        XSync(app.display(), False);
    }

    e2e::XtApp app;
    Widget w = nullptr;
};

TEST_F(VelocityOps, VelocityFollowsEachOperation)
{
    velocity_set(w, 1);
    EXPECT_EQ(ms().velocity, 1);
    velocity_brake(w, 0.1);
    EXPECT_DOUBLE_EQ(ms().velocity, 0.8);
    velocity_brake(w, 0.1);
    EXPECT_DOUBLE_EQ(ms().velocity, 0.62);
    velocity_set(w, 0);
    velocity_add(w, 0.05);
    velocity_add(w, 0.05);
    EXPECT_DOUBLE_EQ(ms().velocity, 0.05 + 0.05 / 1.05);
    velocity_set(w, -0.5);
    velocity_brake(w, 0.1);
    EXPECT_DOUBLE_EQ(ms().velocity, -0.35);
}

TEST_F(VelocityOps, CursorMovesToAndByFractionsOfTheHalfSize)
{
    cursor_move_to(w, 0.5, -0.25);
    EXPECT_EQ(ms().cursorDx, 160);
    EXPECT_EQ(ms().cursorDy, -60);
    cursor_move_by(w, -0.2, 0);
    EXPECT_EQ(ms().cursorDx, 96);
    EXPECT_EQ(ms().cursorDy, -60);
    cursor_move_by(w, 0, 0.1);  // one zero is not "follow the pointer"
    EXPECT_EQ(ms().cursorDx, 96);
    EXPECT_EQ(ms().cursorDy, -36);
    cursor_move_to(w, 0, 0);
    EXPECT_EQ(ms().cursorDx, 0);
    EXPECT_EQ(ms().cursorDy, 0);
}

TEST_F(VelocityOps, BothZeroFollowsThePointer)
{
    warp(XtWindow(w), 400, 100);
    cursor_move_by(w, 0, 0);
    EXPECT_EQ(ms().cursorDx, 80);
    EXPECT_EQ(ms().cursorDy, -140);
    // Outside the window the offset goes on growing; the frame's clamp limits it.
    warp(DefaultRootWindow(app.display()), 1200, 1000);
    cursor_move_by(w, 0, 0);
    int x = 0, y = 0;
    Window child;
    XTranslateCoordinates(app.display(), DefaultRootWindow(app.display()), XtWindow(w), 1200, 1000, &x, &y,
                          &child);
    EXPECT_EQ(ms().cursorDx, x - 320);
    EXPECT_EQ(ms().cursorDy, y - 240);
}

TEST(CursorFollow, PointerOnAnotherScreenKeepsTheOffset)
{
    e2e::XServer server(800, 600, 2);
    const std::string previous = std::getenv("DISPLAY");
    setenv("DISPLAY", (server.name() + ".0").c_str(), 1);
    {
        init_universe();
        e2e::XtApp app;
        setenv("DISPLAY", previous.c_str(), 1);
        Display *dpy = app.display();
        ASSERT_EQ(ScreenCount(dpy), 2);
        Widget w = app.create_screen(640, 480);
        MainScreenPart &ms = screen_part(w);
        ms.centerX = 320;
        ms.centerY = 240;
        ASSERT_EQ(XScreenNumberOfScreen(XtScreen(w)), 0);

        XWarpPointer(dpy, None, XtWindow(w), 0, 0, 0, 0, 300, 200);
        XSync(dpy, False);
        cursor_move_by(w, 0, 0);
        EXPECT_EQ(ms.cursorDx, -20);
        EXPECT_EQ(ms.cursorDy, -40);

        XWarpPointer(dpy, None, RootWindow(dpy, 1), 0, 0, 0, 0, 10, 10);
        XSync(dpy, False);
        Window root, child;
        int rx, ry, x, y;
        unsigned mask;
        ASSERT_FALSE(XQueryPointer(dpy, XtWindow(w), &root, &child, &rx, &ry, &x, &y, &mask));
        cursor_move_by(w, 0, 0);
        EXPECT_EQ(ms.cursorDx, -20);
        EXPECT_EQ(ms.cursorDy, -40);

        // Back on the widget's screen it follows again.
        XWarpPointer(dpy, None, XtWindow(w), 0, 0, 0, 0, 330, 250);
        XSync(dpy, False);
        cursor_move_by(w, 0, 0);
        EXPECT_EQ(ms.cursorDx, 10);
        EXPECT_EQ(ms.cursorDy, 10);
    }
}

}  // namespace
