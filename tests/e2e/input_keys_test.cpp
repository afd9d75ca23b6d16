// Keys of the running program: report lines, freeze, quit, and bindings
// overridden through the translations resource.

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>

#include "tests/e2e/harness.h"

namespace {

using namespace e2e;

std::vector<std::uint32_t> crop(const Image &img, int x0, int y0, int width, int height)
{
    std::vector<std::uint32_t> out;
    for (int y = y0; y < y0 + height; ++y)
        for (int x = x0; x < x0 + width; ++x)
            out.push_back(img.at(x, y));
    return out;
}

int count_in(const Image &img, std::uint32_t rgb, int x0, int y0, int width, int height)
{
    int n = 0;
    for (int y = y0; y < y0 + height; ++y)
        for (int x = x0; x < x0 + width; ++x)
            n += img.at(x, y) == rgb;
    return n;
}

void pause_for(double seconds)
{
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

// The program in a 640 x 480 window over an empty universe, the pointer on
// the window's centre (keys go to the window under the pointer).
class InputKeys : public testing::Test {
protected:
    void start(std::vector<std::string> args = {})
    {
        program = std::make_unique<Program>(server, RunOptions{std::move(args), &root});
        window = program->screen_window();
        ASSERT_NE(window, 0u) << program->err();
        move_to(320, 240);
    }
    void move_to(int x, int y)
    {
        xdotool(server, "mousemove --window " + std::to_string(window) + " " + std::to_string(x) + " " +
                            std::to_string(y));
    }
    Image frame() { return grab(server.display(), window); }
    bool shows(const std::function<bool(const Image &)> &cond, double timeout = 10)
    {
        return wait_until([&] { return cond(frame()); }, timeout);
    }
    bool err_becomes(const std::string &text)
    {
        return wait_until([&] { return program->err() == text; }, 10);
    }

    XServer server;
    FixtureRoot root;
    std::unique_ptr<Program> program;
    Window window = 0;
};

TEST_F(InputKeys, NAndHWriteTheAutopilotLines)
{
    start();
    xdotool(server, "key n");
    ASSERT_TRUE(err_becomes("MainScreen: act_autopilot\n")) << program->err();
    xdotool(server, "key h");
    EXPECT_TRUE(err_becomes("MainScreen: act_autopilot\nMainScreen: act_autopilot(/home/kestrel)\n"))
        << program->err();
    EXPECT_TRUE(program->running());
}

TEST_F(InputKeys, QEndsTheProgramWithStatusZero)
{
    start();
    xdotool(server, "key q");
    EXPECT_EQ(program->wait_exit(10), 0) << program->err();
}

TEST_F(InputKeys, FFreezesTheViewWhileFramesGoOn)
{
    start();
    const std::uint32_t white = rgb_of(server.display(), "white");
    const std::uint32_t green = rgb_of(server.display(), "green");
    // The left part of the heading tape: it scrolls while the view turns.
    const auto tape = [&](const Image &img) { return crop(img, 214, 378, 116, 64); };
    ASSERT_TRUE(shows([&](const Image &img) { return count_in(img, green, 214, 378, 116, 64) > 20; }));

    xdotool(server, "key f");
    // The pointer at the right: the crosshair follows it to the clamp at
    // 0.8 of the half-width (x 576), so frames are still drawn...
    move_to(600, 240);
    ASSERT_TRUE(shows([&](const Image &img) { return img.at(576 - 30, 240) == white; }));
    // ...but the view does not turn.
    const auto frozen = tape(frame());
    pause_for(0.5);
    EXPECT_TRUE(tape(frame()) == frozen);
    EXPECT_EQ(frame().at(576 - 30, 240), white);

    // Unfrozen (the key's release centres the cursor until the pointer moves).
    xdotool(server, "key f");
    move_to(601, 240);
    EXPECT_TRUE(shows([&](const Image &img) { return tape(img) != frozen; }, 5));
}

TEST_F(InputKeys, TranslationsOverriddenWithXrmTakeEffect)
{
    // The resource syntax turns \n into a newline; the quotes keep the first
    // inside alert's parameter, the second separates two bindings. A slow
    // frame rate keeps the message on the window long enough to be seen.
    start({"-delay", "1000", "-xrm",
           "*screen1.translations: #override <Key>g: alert(\"hello\\n\")\\n<Key>n: autopilot(custom)"});
    const std::uint32_t red = rgb_of(server.display(), "red");
    const std::uint32_t green = rgb_of(server.display(), "green");
    const auto message = [&](const Image &img) { return count_in(img, red, 200, 190, 240, 40); };
    // Before the first frame there is nothing to draw a message with.
    ASSERT_TRUE(shows([&](const Image &img) { return count_in(img, green, 0, 0, 320, 100) > 100; }));
    ASSERT_EQ(message(frame()), 0);
    xdotool(server, "key g");
    EXPECT_TRUE(shows([&](const Image &img) { return message(img) > 20; }, 5));
    xdotool(server, "key n");
    EXPECT_TRUE(err_becomes("MainScreen: act_autopilot(custom)\n")) << program->err();
    // Bindings not overridden stay.
    xdotool(server, "key h");
    EXPECT_TRUE(err_becomes("MainScreen: act_autopilot(custom)\nMainScreen: act_autopilot(/home/kestrel)\n"))
        << program->err();
}

}  // namespace
