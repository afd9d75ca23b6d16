// The scene in the running program, over a small fixture universe: the root
// ring, the fixture's galaxies and a wormhole on the first frames, and a
// flight into a galaxy and out of it again.

#include <gtest/gtest.h>

#include <memory>

#include "tests/e2e/harness.h"

namespace {

using namespace e2e;

int count_in(const Image &img, std::uint32_t rgb, int x0, int y0, int x1, int y1)
{
    int n = 0;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            n += img.at(x, y) == rgb;
    return n;
}

class SceneWindow : public testing::Test {
protected:
    void SetUp() override
    {
        root.mkdir("alpha");
        root.mkdir("beta");
        root.mkdir("beta/inner");
        root.mkdir("gamma");
        root.symlink("/alpha", "hop");            // a wormhole in the root...
        root.symlink("/beta/inner", "alpha/to");  // ...and one between two galaxies
        // Its name puts this galaxy on the line of sight, half a root radius
        // beyond the root's centre.
        root.mkdir("zOzAzB");
        root.file("zOzAzB/planetfile", 100);
    }
    void start(std::vector<std::string> args)
    {
        program = std::make_unique<Program>(server, RunOptions{std::move(args), &root});
        window = program->screen_window();
        ASSERT_NE(window, 0u) << program->err();
    }
    Image frame() { return grab(server.display(), window); }
    std::uint32_t colour(const char *name) { return rgb_of(server.display(), name); }

    XServer server;
    FixtureRoot root;
    std::unique_ptr<Program> program;
    Window window = 0;
};

TEST_F(SceneWindow, FirstFramesShowTheRootRingGalaxiesAndAWormhole)
{
    // Without the instruments' text, green can only come from wormholes.
    start({"-xrm", "*showInfo: False", "-xrm", "*showMeasure: False"});
    const std::uint32_t blue = colour("blue"), background = colour("rgb:0/0/2");
    const std::uint32_t cyan = colour("cyan"), gray = colour("gray"), green = colour("green");
    ASSERT_TRUE(wait_until([&] { return frame().at(200, 240) == blue; }, 10)) << program->err();
    const Image img = frame();

    // The root ring lies in the eye plane: a horizontal line through the centre
    // row from about x 62 to x 578.
    for (int x : {64, 100, 200, 260, 320, 380, 450, 575})
        EXPECT_EQ(img.at(x, 240), blue) << x;
    EXPECT_EQ(img.at(57, 240), background);
    EXPECT_EQ(img.at(583, 240), background);
    EXPECT_EQ(count_in(img, blue, 0, 0, 639, 230), 0);
    EXPECT_EQ(count_in(img, blue, 0, 250, 639, 479), 0);

    // The fixture's directories are galaxies in the inner colours, and the
    // link in the root draws its curve.
    EXPECT_GT(count_in(img, cyan, 0, 0, 639, 479), 10);
    EXPECT_GT(count_in(img, gray, 0, 0, 639, 479), 10);
    EXPECT_GT(count_in(img, green, 0, 0, 639, 479), 10);
    EXPECT_TRUE(program->running());
}

TEST_F(SceneWindow, FlightScansEntersAndLeavesAGalaxy)
{
    // The only binding: g sets the speed to one radius of the current galaxy
    // per 50 frames; the cursor stays on the centre, so the flight is straight.
    start({"-delay", "20", "-xrm", "*screen1.translations: <KeyDown>g: setVelocity(1)"});
    const std::uint32_t green = colour("green"), yellow = colour("yellow"), blue = colour("blue");
    // The current galaxy's path in the info panel: "/" at the start.
    const auto path_ink = [&](const Image &img) { return count_in(img, green, 260, 44, 639, 68); };
    // The root ring's thickness at eye level: wide only while the root is current.
    const auto root_ring = [&](const Image &img) { return count_in(img, blue, 100, 230, 100, 250); };
    ASSERT_TRUE(wait_until([&] { return path_ink(frame()) > 0; }, 10)) << program->err();
    const Image first = frame();
    const int rootInk = path_ink(first);
    EXPECT_EQ(root_ring(first), 2);

    // Keys go to the window under the pointer.
    xdotool(server, "mousemove --window " + std::to_string(window) + " 320 240");
    xdotool(server, "key g");

    // Inside: a longer path, a thin root ring, and the file of the freshly
    // scanned galaxy as a disc in an inner planet colour (everything else in
    // reach now lies on the outer side). The frame that enters still draws the
    // old stack under the new path, so one frame must show all three.
    ASSERT_TRUE(wait_until(
        [&] {
            const Image img = frame();
            return path_ink(img) > rootInk + 40 && root_ring(img) == 1 && count_in(img, yellow, 0, 0, 639, 479) > 100;
        },
        30))
        << program->err();
    // Out again on the far side: the path is "/" once more and the ring wide.
    EXPECT_TRUE(wait_until(
        [&] {
            const Image img = frame();
            return path_ink(img) == rootInk && root_ring(img) == 2;
        },
        30));
    EXPECT_TRUE(program->running());
}

}  // namespace
