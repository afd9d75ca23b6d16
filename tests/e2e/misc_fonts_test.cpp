// A server that has only the misc fonts: none of the fallback fonts load, and
// the program draws everything with the server's small default font.

#include <gtest/gtest.h>

#include <sstream>

#include "tests/e2e/harness.h"

namespace {

using namespace e2e;

// Runs of consecutive rows that hold a pixel of the colour, within a rectangle.
struct Rows {
    int top, bottom;
};
std::vector<Rows> text_rows(const Image &img, std::uint32_t rgb, int x0, int y0, int x1, int y1)
{
    std::vector<Rows> runs;
    for (int y = y0; y < y1 && y < img.height; ++y) {
        bool hit = false;
        for (int x = x0; x < x1 && x < img.width && !hit; ++x)
            hit = img.at(x, y) == rgb;
        if (!hit)
            continue;
        if (!runs.empty() && runs.back().bottom == y - 1)
            runs.back().bottom = y;
        else
            runs.push_back({y, y});
    }
    return runs;
}

TEST(MiscFontsOnly, InstrumentsStayInsideTheWindowAndNothingBreaks)
{
    XServer server(1024, 768, 1, "/usr/share/fonts/X11/misc");
    FixtureRoot root;
    for (const char *dir : {"home", "home/kestrel", "srv", "var"})
        root.mkdir(dir);
    root.file("home/kestrel/notes", 512);
    root.symlink("/srv", "home/kestrel/srv");
    Program p(server, {{}, &root});
    const Window w = p.screen_window();
    ASSERT_NE(w, 0u) << p.err();
    Display *dpy = server.display();
    const std::uint32_t green = rgb_of(dpy, "green");

    // The two help lines at the bottom right, right of the heading tape: both
    // whole, the lower one clear of the last row.
    std::vector<Rows> help;
    const bool shown = wait_until(
        [&] {
            help = text_rows(grab(dpy, w), green, 430, 380, 640, 480);
            return help.size() == 2;
        },
        10);
    ASSERT_TRUE(shown) << help.size() << " runs of help text";
    EXPECT_EQ(help[1].bottom - help[1].top, help[0].bottom - help[0].top);
    EXPECT_LT(help[1].bottom, 479);
    EXPECT_GE(help[1].top - help[0].bottom, 10);

    // Fly in and out among the labelled stars for a while.
    xdotool(server, "mousemove --window " + std::to_string(w) + " 330 250 mousedown 1 sleep 1 mouseup 1 "
                    "mousedown 3 sleep 1 mouseup 3");
    EXPECT_EQ(p.wait_exit(1), -1);

    // The toolkit's word on each font it could not load, and nothing else.
    std::istringstream err(p.err());
    std::string line;
    int warnings = 0;
    while (std::getline(err, line)) {
        EXPECT_EQ(line.rfind("Warning: Cannot convert string \"*adobe-", 0), 0u) << line;
        ++warnings;
    }
    EXPECT_GT(warnings, 0);
}

}  // namespace
