// The heads-up display in the running program: crosshair, info panel, tapes.

#include <gtest/gtest.h>

#include "tests/e2e/harness.h"

namespace {

using namespace e2e;

// Pixels of one colour inside a rectangle of an image.
int count_in(const Image &img, std::uint32_t rgb, int x0, int y0, int width, int height)
{
    int n = 0;
    for (int y = y0; y < y0 + height && y < img.height; ++y)
        for (int x = x0; x < x0 + width && x < img.width; ++x)
            n += img.at(x, y) == rgb;
    return n;
}

// The program in a 640 x 480 window over an empty universe, with the pointer
// resting on the window's centre (so the crosshair sits there too).
class HudDisplay : public testing::Test {
protected:
    void SetUp() override
    {
        program = std::make_unique<Program>(server, RunOptions{{}, &root});
        window = program->screen_window();
        ASSERT_NE(window, 0u) << program->err();
        green = rgb_of(server.display(), "green");
        white = rgb_of(server.display(), "white");
        xdotool(server, "mousemove --window " + std::to_string(window) + " 320 240");
    }

    Image frame() { return grab(server.display(), window); }

    // Waits for a frame that satisfies the condition.
    bool shows(const std::function<bool(const Image &)> &cond)
    {
        return wait_until([&] { return cond(frame()); }, 10);
    }

    static int info_green(const Image &img, std::uint32_t green) { return count_in(img, green, 0, 0, 320, 100); }
    // The left part of the heading tape (the help lines reach into its right
    // part) and the whole pitch tape.
    static int tape_green(const Image &img, std::uint32_t green)
    {
        return count_in(img, green, 214, 378, 116, 64) + count_in(img, green, 458, 134, 64, 213);
    }

    XServer server;
    FixtureRoot root;
    std::unique_ptr<Program> program;
    Window window = 0;
    std::uint32_t green = 0, white = 0;
};

TEST_F(HudDisplay, CrosshairArmsFromTwentyToFortyPixels)
{
    ASSERT_TRUE(shows([&](const Image &img) { return img.at(320 - 30, 240) == white; }));
    const Image img = frame();
    for (int d = 20; d <= 40; ++d) {
        EXPECT_EQ(img.at(320 - d, 240), white) << d;
        EXPECT_EQ(img.at(320 + d, 240), white) << d;
        EXPECT_EQ(img.at(320, 240 - d), white) << d;
        EXPECT_EQ(img.at(320, 240 + d), white) << d;
    }
    EXPECT_EQ(count_in(img, white, 320 - 19, 240 - 19, 39, 39), 0);  // open in the middle
    EXPECT_NE(img.at(320 - 41, 240), white);
    EXPECT_NE(img.at(320 + 41, 240), white);
}

TEST_F(HudDisplay, KeyVHidesTheInfoPanelAndBringsItBack)
{
    ASSERT_TRUE(shows([&](const Image &img) { return info_green(img, green) > 100; }));
    xdotool(server, "key v");
    EXPECT_TRUE(shows([&](const Image &img) { return info_green(img, green) == 0 && tape_green(img, green) == 0; }));
    xdotool(server, "key v");
    EXPECT_TRUE(shows([&](const Image &img) { return info_green(img, green) > 100 && tape_green(img, green) > 0; }));
    EXPECT_TRUE(program->running()) << program->err();
}

TEST_F(HudDisplay, KeyMHidesOnlyTheTapes)
{
    ASSERT_TRUE(shows([&](const Image &img) { return tape_green(img, green) > 20; }));
    xdotool(server, "key m");
    ASSERT_TRUE(shows([&](const Image &img) { return tape_green(img, green) == 0; }));
    EXPECT_GT(info_green(frame(), green), 100);
    xdotool(server, "key m");
    EXPECT_TRUE(shows([&](const Image &img) { return tape_green(img, green) > 20; }));
}

}  // namespace
