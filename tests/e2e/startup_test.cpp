// The program as a user starts it: options, usage, the first window.

#include <gtest/gtest.h>

#include "tests/e2e/harness.h"

namespace {

using namespace e2e;

constexpr char kUsage[] =
    "dirnaut - $Revision: 1.1.2.2 $ $Date: 2003/01/26 18:29:18 $\n"
    "usage: dirnaut [-options ...]\n"
    "    -display dpy         X server to connect\n"
    "    -background color    background color\n"
    "    -geometry geom       window geometry\n"
    "    -titlemode           informative title bar\n"
    "    -viewall             view all files\n"
    "    -delayticks n        adjust delays (milliseconds)\n";

// Paints a yellow square on the window from the test's own connection, then
// moves the pointer onto it: the view changes, so the program's next frame
// copies its pixmap over the square. (Nothing tells the program about paint
// from another client, and a frame at rest sends nothing.) Returns whether it did.
bool next_frame_repaints(const XServer &server, Window w, int x, int y)
{
    Display *dpy = server.display();
    const std::uint32_t yellow = rgb_of(dpy, "yellow");
    GC gc = XCreateGC(dpy, w, 0, nullptr);
    XSetForeground(dpy, gc, yellow);
    XFillRectangle(dpy, w, gc, x - 2, y - 2, 5, 5);
    XFreeGC(dpy, gc);
    XSync(dpy, False);
    xdotool(server, "mousemove --window " + std::to_string(w) + " " + std::to_string(x) + " " + std::to_string(y));
    return wait_until(
        [&] {
            const Image img = grab(dpy, w);
            return img.width > x && img.height > y && img.at(x, y) != yellow;
        },
        10);
}

TEST(Startup, StrayArgumentPrintsUsageAndExitsOne)
{
    XServer server;
    for (const char *stray : {"extra-arg", "-nosuchoption"}) {
        Program p(server, {{stray}});
        EXPECT_EQ(p.wait_exit(20), 1) << stray;
        EXPECT_EQ(p.out(), kUsage) << stray;
    }
}

TEST(Startup, DefaultWindowIs640x480OnDarkBlue)
{
    XServer server;
    Program p(server, {});
    const Window w = p.screen_window();
    ASSERT_NE(w, 0u) << p.err();
    int width = 0, height = 0;
    window_size(server.display(), w, width, height);
    EXPECT_EQ(width, 640);
    EXPECT_EQ(height, 480);
    ASSERT_TRUE(next_frame_repaints(server, w, 5, 5));
    const Image img = grab(server.display(), w);
    const std::uint32_t background = rgb_of(server.display(), "rgb:0/0/2");
    EXPECT_EQ(img.at(0, 0), background);
    EXPECT_EQ(img.at(639, 479), background);
    // The scene and the instruments cover only a small part of the window.
    EXPECT_GT(img.count(background), 640 * 480 * 8 / 10);
    EXPECT_TRUE(p.running());
    EXPECT_EQ(p.err(), "");  // every fallback colour and font resolved
}

TEST(Startup, OwnOptionsAreAcceptedAndFramesRun)
{
    XServer server;
    const std::vector<std::vector<std::string>> runs = {
        {"-t", "-v"}, {"-titlemode", "-viewall"}, {"-delay", "0"}, {"-delayticks", "10"},
        // A negative delay runs frames back to back instead of waiting ~49 days.
        {"-delay", "-5"},
    };
    for (const auto &args : runs) {
        Program p(server, {args});
        const Window w = p.screen_window();
        ASSERT_NE(w, 0u) << args[0] << ": " << p.err();
        EXPECT_TRUE(next_frame_repaints(server, w, 100, 100)) << args[0];
        EXPECT_TRUE(next_frame_repaints(server, w, 300, 200)) << args[0];
        EXPECT_TRUE(p.running()) << args[0];
    }
}

TEST(Startup, ResizedWindowIsFilledByTheNextFrames)
{
    XServer server;
    Program p(server, {});
    const Window w = p.screen_window();
    ASSERT_NE(w, 0u);
    Display *dpy = server.display();
    XResizeWindow(dpy, p.wait_for_window(), 800, 600);
    XSync(dpy, False);
    ASSERT_TRUE(wait_until(
        [&] {
            int width = 0, height = 0;
            window_size(dpy, w, width, height);
            return width == 800 && height == 600;
        },
        10));
    EXPECT_TRUE(next_frame_repaints(server, w, 795, 595));
    EXPECT_TRUE(next_frame_repaints(server, w, 700, 300));
    EXPECT_EQ(grab(dpy, w).at(799, 599), rgb_of(dpy, "rgb:0/0/2"));
}

TEST(Startup, TinyWindowKeepsRunning)
{
    XServer server;
    for (const char *geometry : {"1x1", "2x1", "1x3"}) {
        Program p(server, {{"-geometry", geometry}});
        ASSERT_NE(p.screen_window(), 0u) << geometry;
        // Many frames at this size, with the pointer moving over the window.
        xdotool(server, "mousemove 0 0 mousemove 1 1 mousemove 0 2");
        EXPECT_EQ(p.wait_exit(1.5), -1) << geometry << ": " << p.err();
    }
}

TEST(Startup, MissingFontsFallBackToTheServersFont)
{
    XServer server;
    Program p(server, {{"-xrm", "*alertFont: -nosuch-font-*", "-xrm", "*infoFont: -nosuch-font-*", "-xrm",
                        "*measureFont: -nosuch-font-*", "-xrm", "*labelFonts: -nosuch-a-*, -nosuch-b-*"}});
    const Window w = p.screen_window();
    ASSERT_NE(w, 0u);
    EXPECT_TRUE(next_frame_repaints(server, w, 320, 240));
    EXPECT_EQ(p.wait_exit(1), -1) << p.err();
    // The toolkit warns about each font it could not load; the program goes on.
    EXPECT_NE(p.err().find("nosuch"), std::string::npos);
}

}  // namespace
