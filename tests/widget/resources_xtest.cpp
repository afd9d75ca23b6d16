// Resources without a default whose value fails to convert.

#include <gtest/gtest.h>

#include <X11/IntrinsicP.h>

#include "tests/e2e/xt_app.h"
#include "universe/universe.h"
#include "widget/MainScreenP.h"
#include "widget/frame_tick.h"

namespace {

TEST(Resources, ValueThatFailsToConvertLeavesTheFieldEmpty)
{
    // Each value fails its conversion; with no default to fall back on, the
    // field must stay as if no value had been given, not take the raw text.
    init_universe();
    e2e::XtApp app({"*labelFonts: ,,", "*cursorSize: x", "*pitchLimit: y", "*currentGalaxyLineWidth: z"});
    Widget w = app.create_screen(320, 240);
    MainScreenPart &ms = screen_part(w);
    EXPECT_EQ(ms.labelFonts, nullptr);
    EXPECT_EQ(ms.cursorSize, 0);
    EXPECT_EQ(ms.pitchLimit, 0);
    EXPECT_EQ(ms.currentGalaxyLineWidth, 0);

    frame_tick(w);  // and the frame builds its label sets from the server's font
    ASSERT_NE(ms.labelFontSets[0], nullptr);
    EXPECT_EQ(ms.labelFontSets[0]->count, 1);
}

}  // namespace
