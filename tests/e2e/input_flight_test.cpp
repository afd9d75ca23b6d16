// Flying with the pointer buttons in the running program, and the open key
// over a planet reached that way.

#include <gtest/gtest.h>

#include <X11/Xutil.h>

#include <chrono>
#include <climits>
#include <memory>
#include <thread>

#include "tests/e2e/harness.h"

namespace {

using namespace e2e;

void pause_for(double seconds)
{
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

struct Box {
    int left = INT_MAX, right = -1, top = INT_MAX, bottom = -1, count = 0;
};

// Where pixels of the given colours lie within rows [y0, y1).
Box find(const Image &img, const std::vector<std::uint32_t> &colours, int y0 = 0, int y1 = INT_MAX)
{
    Box b;
    for (int y = y0; y < img.height && y < y1; ++y)
        for (int x = 0; x < img.width; ++x)
            for (std::uint32_t c : colours)
                if (img.at(x, y) == c) {
                    b.left = std::min(b.left, x);
                    b.right = std::max(b.right, x);
                    b.top = std::min(b.top, y);
                    b.bottom = std::max(b.bottom, y);
                    ++b.count;
                }
    return b;
}

// A directory dead ahead of the starting viewer: the second byte 'o' turns
// its direction to -z (towards the viewer, who looks along +z from two root
// radii out), and its ten-byte name starting with 'w' gives it the largest
// distance, 0.8 of the root's radius. The mount points the harness adds lie
// off that line. Its one file has no read permission, so the planet is drawn
// in the unreadable colours, which nothing else on this flight shows.
constexpr char kGalaxy[] = "woAAAAAAAA";

class InputFlight : public testing::Test {
protected:
    void SetUp() override
    {
        root.mkdir(kGalaxy);
        root.file(std::string(kGalaxy) + "/notes", 4096, 0);
        program = std::make_unique<Program>(server, RunOptions{{}, &root});
        window = program->screen_window();
        ASSERT_NE(window, 0u) << program->err();
        Display *dpy = server.display();
        planet = {rgb_of(dpy, "rgb:c/0/c"), rgb_of(dpy, "magenta")};
        green = rgb_of(dpy, "green");
        move_to(320, 240);
        ASSERT_TRUE(wait_until([&] { return find(frame(), {green}).count > 100; }, 10));
    }

    void move_to(int x, int y)
    {
        xdotool(server, "mousemove --window " + std::to_string(window) + " " + std::to_string(x) + " " +
                            std::to_string(y));
    }
    Image frame() { return grab(server.display(), window); }
    // Waits until two frames a little apart are the same: the viewer has stopped.
    bool comes_to_rest(Image &still)
    {
        return wait_until(
            [&] {
                const Image a = frame();
                pause_for(0.3);
                still = frame();
                return a.pixels == still.pixels;
            },
            15);
    }
    // Holds Button 1 until the planet is drawn at least this big, then lets go.
    bool fly_until_planet(int pixels)
    {
        xdotool(server, "mousedown 1");
        const bool seen = wait_until([&] { return find(frame(), planet).count >= pixels; }, 30);
        xdotool(server, "mouseup 1");
        return seen;
    }

    XServer server;
    FixtureRoot root;
    std::unique_ptr<Program> program;
    Window window = 0;
    std::vector<std::uint32_t> planet;
    std::uint32_t green = 0;
};

TEST_F(InputFlight, Button1MovesForwardAndReleaseStops)
{
    Image start;
    ASSERT_TRUE(comes_to_rest(start));
    // From the start the galaxy is too small to be read: no planet yet.
    EXPECT_EQ(find(start, planet).count, 0);

    // Holding the button flies forward until the galaxy ahead has been scanned
    // and its planet shows.
    EXPECT_TRUE(fly_until_planet(1)) << program->err();
    Image rest;
    ASSERT_TRUE(comes_to_rest(rest));
    pause_for(0.5);
    EXPECT_TRUE(frame().pixels == rest.pixels);  // stopped for good
    EXPECT_FALSE(rest.pixels == start.pixels);
    EXPECT_GT(find(rest, planet).count, 0);
    EXPECT_TRUE(program->running());
    EXPECT_EQ(program->err(), "");
}

TEST_F(InputFlight, OOverAPickedPlanetReportsTheOpenCommand)
{
    ASSERT_TRUE(fly_until_planet(20)) << program->err();
    Image rest;
    ASSERT_TRUE(comes_to_rest(rest));
    // Frozen, the cursor can go to the planet without turning the view.
    xdotool(server, "key f");
    const Box disc = find(rest, planet);
    ASSERT_GT(disc.count, 0);
    const Box line = find(rest, {green}, 70, 100);  // the info line of the picked star
    move_to((disc.left + disc.right) / 2, (disc.top + disc.bottom) / 2);
    // The picked star's info line changes from the galaxy's to the planet's.
    EXPECT_TRUE(wait_until([&] { return find(frame(), {green}, 70, 100).right != line.right; }, 10));
    xdotool(server, "key o");
    EXPECT_TRUE(wait_until([&] { return program->err() == "exec: \"open /woAAAAAAAA/notes\"\n"; }, 10))
        << program->err();
    EXPECT_TRUE(program->running());
}

}  // namespace
