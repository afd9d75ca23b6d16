// The message overlay on a real window.

#include <gtest/gtest.h>

#include <X11/IntrinsicP.h>

#include <climits>
#include <string>

#include "hud/message.h"
#include "tests/e2e/harness.h"
#include "tests/e2e/xt_app.h"
#include "universe/universe.h"
#include "widget/MainScreenP.h"
#include "widget/frame_tick.h"

namespace {

// Where a centred line of this text starts, by the alert font's advance widths.
int centred_left(Widget w, const std::string &text)
{
    return screen_part(w).centerX - XTextWidth(screen_part(w).alertFont, text.c_str(), static_cast<int>(text.size())) / 2;
}

using e2e::Box;

Box red_box(const e2e::Image &img, std::uint32_t red, int y0 = 0, int y1 = INT_MAX)
{
    return e2e::colour_box(img, red, y0, y1);
}

class Message : public testing::Test {
protected:
    void SetUp() override
    {
        init_universe();
        messageShown = False;
        w = app.create_screen(640, 480);
        red = e2e::rgb_of(app.display(), "red");
    }
    e2e::Image window() { return e2e::grab(app.display(), XtWindow(w)); }

    e2e::XtApp app;
    Widget w = nullptr;
    std::uint32_t red = 0;
};

TEST_F(Message, LinesAreCentredWithBaselinesFortyApart)
{
    frame_tick(w);
    show_message(w, "%s\n%s\n", "ABCDEF", "HIJ");
    EXPECT_TRUE(messageShown);
    const e2e::Image img = window();
    // Capitals stand on the baseline: their lowest row is just above it.
    const Box first = red_box(img, red, 0, 201), second = red_box(img, red, 201, 241);
    ASSERT_FALSE(first.empty());
    ASSERT_FALSE(second.empty());
    EXPECT_EQ(first.bottom, 199);
    EXPECT_EQ(second.bottom, 239);
    EXPECT_TRUE(red_box(img, red, 241).empty());
    EXPECT_NEAR(first.left, centred_left(w, "ABCDEF"), 3);
    EXPECT_NEAR(second.left, centred_left(w, "HIJ"), 3);
    EXPECT_NEAR(first.centre(), 320, 4);
    EXPECT_GT(first.width(), second.width());
}

TEST_F(Message, ASecondMessageBeforeTheNextFrameIsDropped)
{
    frame_tick(w);
    show_message(w, "I\n");
    show_message(w, "WWWWWWWWWWWW\n");
    const Box narrow = red_box(window(), red);
    ASSERT_FALSE(narrow.empty());
    EXPECT_LT(narrow.width(), 20);

    frame_tick(w);  // the copy covers the message and the overlay is enabled again
    EXPECT_TRUE(red_box(window(), red).empty());
    show_message(w, "WWWWWWWWWWWW\n");
    EXPECT_GT(red_box(window(), red).width(), 100);
}

TEST_F(Message, ScanNoticeComesFromTheRequestPass)
{
    frame_tick(w);
    Star *galaxy = nullptr;
    for (int i = 0; i < rootGalaxy.childCount && galaxy == nullptr; ++i)
        if (rootGalaxy.children[i].kind == STAR_GALAXY && !rootGalaxy.children[i].scanned)
            galaxy = &rootGalaxy.children[i];
    ASSERT_NE(galaxy, nullptr) << "the test machine's / has no directory";
    galaxy->request = REQUEST_SCAN;
    update_universe(w);
    EXPECT_TRUE(galaxy->scanned);
    const e2e::Image img = window();
    const Box words = red_box(img, red, 150, 205), path = red_box(img, red, 205, 250);
    ASSERT_FALSE(words.empty());
    ASSERT_FALSE(path.empty());
    EXPECT_NEAR(words.left, centred_left(w, "Scanning..."), 3);
    EXPECT_NEAR(path.left, centred_left(w, galaxy->path), 3);
    EXPECT_LE(words.bottom, 200 + 8);  // "Scanning..." has one descender, the g
    EXPECT_GE(words.bottom, 199);
}

TEST_F(Message, UserTextIsNeverAFormat)
{
    frame_tick(w);
    show_message_text(w, "%n%s%d%x %% %\n");
    EXPECT_TRUE(messageShown);
    EXPECT_FALSE(red_box(window(), red).empty());
}

TEST_F(Message, OverlongTextIsCutAndItsLastLineKept)
{
    frame_tick(w);
    const std::string path = "/" + std::string(3000, 'W') + "/";
    show_message(w, "Scanning...\n%s\n", path.c_str());
    const e2e::Image img = window();
    EXPECT_FALSE(red_box(img, red, 205, 250).empty());  // the cut path line is still drawn
}

TEST_F(Message, NothingIsDrawnBeforeTheFirstFrameOrAfterAResize)
{
    show_message_text(w, "early\n");
    EXPECT_FALSE(messageShown);
    frame_tick(w);
    XtResizeWidget(app.shell(), 500, 400, 0);  // the alert GC is gone until the next frame
    show_message_text(w, "between\n");
    EXPECT_FALSE(messageShown);
    XSync(app.display(), False);
    EXPECT_TRUE(red_box(window(), red).empty());
}

}  // namespace
