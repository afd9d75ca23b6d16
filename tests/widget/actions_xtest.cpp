// The fifteen actions of the MainScreen widget called by name: what each one
// installs or flips, how it reads its parameters, and its report lines.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <unistd.h>

#include "hud/message.h"
#include "navigation/velocity.h"
#include "tests/e2e/harness.h"
#include "tests/widget/action_fixture.h"
#include "widget/MainScreenP.h"
#include "widget/actions.h"
#include "widget/frame_tick.h"

namespace {

class Actions : public testing::Test, public ActionFixture {};

constexpr const char *kActionNames[] = {"setVelocity", "addVelocity", "brake", "moveCursorTo", "moveCursor",
                                        "reposition", "changeFlyingMode", "toggleShowing", "open", "getInfo",
                                        "autopilot", "stop", "freeze", "alert", "quit"};

TEST(ActionTable, FifteenInTheirOrder)
{
    // The toolkit compiles (and reorders) a class's table in place the first
    // time a widget of the class is made. Each test runs in a process of its
    // own, so here it is normally still as written.
    if (mainScreenClassRec.core_class.class_inited == 0) {
        ASSERT_EQ(mainScreenActionCount, std::size(kActionNames));
        for (Cardinal i = 0; i < mainScreenActionCount; ++i)
            EXPECT_STREQ(mainScreenActions[i].string, kActionNames[i]) << i;
    }
    // Either way the class offers exactly these names.
    XtInitializeWidgetClass(mainScreenWidgetClass);
    std::set<std::string> names(std::begin(kActionNames), std::end(kActionNames));
    XtActionList list = nullptr;
    Cardinal count = 0;
    XtGetActionList(mainScreenWidgetClass, &list, &count);
    ASSERT_EQ(count, 15u);
    for (Cardinal i = 0; i < count; ++i)
        EXPECT_EQ(names.erase(list[i].string), 1u) << list[i].string;
    XtFree(reinterpret_cast<char *>(list));
}

TEST_F(Actions, VelocityActionsReadOneNumber)
{
    struct Case {
        const char *action;
        std::vector<std::string> params;
        VelocityOp op;
        double arg;
    } const cases[] = {
        {"setVelocity", {"2.5"}, velocity_set, 2.5},
        {"addVelocity", {"0.05"}, velocity_add, 0.05},
        {"brake", {"0.1"}, velocity_brake, 0.1},
        {"addVelocity", {}, velocity_add, 0},               // no parameter
        {"setVelocity", {"3", "9"}, velocity_set, 3},       // extra ones ignored
        {"brake", {"fast"}, velocity_brake, 0},             // not a number
        {"addVelocity", {"1.5xyz"}, velocity_add, 1.5},     // its leading number
        {"addVelocity", {"  -0.05"}, velocity_add, -0.05},  // leading blanks
        {"setVelocity", {"1e-1"}, velocity_set, 0.1},
        // atof reads these as not-a-number and infinity; either would poison
        // every position for good, so they count as not a number.
        {"setVelocity", {"nan"}, velocity_set, 0},
        {"addVelocity", {"inf"}, velocity_add, 0},
        {"brake", {"-1e999"}, velocity_brake, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.action) + "(" + (c.params.empty() ? "" : c.params[0]) + ")");
        act("setVelocity", {"-7"});  // something else installed before
        act(c.action, c.params);
        EXPECT_EQ(ms().velocityOp, c.op);
        EXPECT_EQ(ms().velocityOpArg, c.arg);
        EXPECT_EQ(ms().velocity, 0);  // the action itself never moves anything
    }
}

TEST_F(Actions, CursorActionsNeedBothNumbersOrTakeNone)
{
    struct Case {
        const char *action;
        std::vector<std::string> params;
        CursorOp op;
        double x, y;
    } const cases[] = {
        {"moveCursorTo", {"0.5", "-0.25"}, cursor_move_to, 0.5, -0.25},
        {"moveCursorTo", {"0.5"}, cursor_move_to, 0, 0},  // one counts as none
        {"moveCursorTo", {}, cursor_move_to, 0, 0},
        {"moveCursor", {"-0.2", "0"}, cursor_move_by, -0.2, 0},
        {"moveCursor", {" 0.2", "0"}, cursor_move_by, 0.2, 0},
        {"moveCursor", {"0.3"}, cursor_move_by, 0, 0},  // one: follow the pointer
        {"moveCursor", {"1", "2", "3"}, cursor_move_by, 1, 2},
        {"moveCursor", {"left", "0.2"}, cursor_move_by, 0, 0.2},
        {"moveCursorTo", {"nan", "inf"}, cursor_move_to, 0, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.action + std::to_string(c.params.size()));
        act("moveCursorTo", {"0.9", "0.9"});
        act(c.action, c.params);
        EXPECT_EQ(ms().cursorOp, c.op);
        EXPECT_EQ(ms().cursorOpArgX, c.x);
        EXPECT_EQ(ms().cursorOpArgY, c.y);
        EXPECT_EQ(ms().cursorDx, 0);
    }
}

TEST_F(Actions, InstalledOperationsRunEveryFrameUntilReplaced)
{
    act("addVelocity", {"0.05"});
    act("moveCursor", {"-0.2", "0"});
    frame_tick(w);
    EXPECT_DOUBLE_EQ(ms().velocity, 0.05);
    EXPECT_EQ(ms().cursorDx, -64);
    // Actions of other kinds leave both operations installed.
    act("toggleShowing", {"label"});
    act("toggleShowing", {"label"});
    act("getInfo");
    act("stop");
    act("changeFlyingMode", {"polar"});
    frame_tick(w);
    EXPECT_DOUBLE_EQ(ms().velocity, 0.05 + 0.05 / 1.05);
    EXPECT_EQ(ms().cursorDx, -128);
    // The cursor moves on until the clamp holds it at 0.8 of the half-width;
    // from then on the view keeps turning at that rate.
    for (int i = 0; i < 5; ++i)
        frame_tick(w);
    EXPECT_EQ(ms().cursorDx, -256);
    const Vec3 before = ms().viewpoint.forward;
    frame_tick(w);
    EXPECT_EQ(ms().cursorDx, -256);
    EXPECT_NE(ms().viewpoint.forward.x, before.x);
    // Braking replaces the acceleration and ends at exactly 0.
    act("brake", {"0.1"});
    for (int i = 0; i < 60 && ms().velocity != 0; ++i)
        frame_tick(w);
    EXPECT_EQ(ms().velocity, 0);
    frame_tick(w);
    EXPECT_EQ(ms().velocity, 0);
}

TEST_F(Actions, FreezeStopsTheViewerButNotTheOperations)
{
    act("setVelocity", {"4"});
    frame_tick(w);
    act("freeze");
    EXPECT_TRUE(ms().frozen);
    const Vec3 at = ms().viewpoint.levels[0].position;
    act("addVelocity", {"1"});
    frame_tick(w);
    frame_tick(w);
    EXPECT_DOUBLE_EQ(ms().velocity, 4 + 1.0 / 5 + 1 / (1 + 4 + 1.0 / 5));
    EXPECT_EQ(ms().viewpoint.levels[0].position.z, at.z);
    act("freeze");
    EXPECT_FALSE(ms().frozen);
    frame_tick(w);
    EXPECT_GT(ms().viewpoint.levels[0].position.z, at.z);
}

TEST_F(Actions, ModesAndSwitches)
{
    act("reposition");
    EXPECT_EQ(ms().navigationState, 2);

    struct ModeCase {
        std::vector<std::string> params;
        int from, to;
    } const modes[] = {
        {{}, 0, 1},          {{}, 1, 0},
        {{"Cartesian"}, 0, 1}, {{"cartesian"}, 1, 1},
        {{"POLAR"}, 1, 0},   {{"polar"}, 0, 0},
        {{"sideways"}, 0, 0}, {{"sideways"}, 1, 1},
        {{"polarx"}, 1, 1},  {{"cartesian", "polar"}, 0, 1},
    };
    for (const ModeCase &c : modes) {
        SCOPED_TRACE((c.params.empty() ? "none" : c.params[0]) + " from " + std::to_string(c.from));
        ms().flyingMode = c.from;
        act("changeFlyingMode", c.params);
        EXPECT_EQ(ms().flyingMode, c.to);
    }

    const Boolean info = ms().showInfo, measure = ms().showMeasure, label = ms().showLabel;
    const auto v = [this] {
        act("toggleShowing", {"info"});
        act("toggleShowing", {"measure"});
        act("toggleShowing", {"label"});
    };
    v();
    EXPECT_EQ(ms().showInfo, !info);
    EXPECT_EQ(ms().showMeasure, !measure);
    EXPECT_EQ(ms().showLabel, !label);
    v();
    EXPECT_EQ(ms().showInfo, info);
    EXPECT_EQ(ms().showMeasure, measure);
    EXPECT_EQ(ms().showLabel, label);
    // m then v: measure flipped twice, the others once.
    act("toggleShowing", {"measure"});
    v();
    EXPECT_EQ(ms().showMeasure, measure);
    EXPECT_EQ(ms().showInfo, !info);
    act("toggleShowing", {"LaBeL"});
    EXPECT_EQ(ms().showLabel, label);

    act("freeze");
    act("freeze");
    EXPECT_FALSE(ms().frozen);
}

TEST_F(Actions, ThoseWithNothingToDoLeaveEverythingAlone)
{
    PickedPlanet picked("/home/kestrel/", "notes");
    frame_tick(w);
    ms().pickedStar = &picked.planet;
    messageShown = False;
    const auto before = snapshot();
    testing::internal::CaptureStderr();
    act("getInfo");
    act("stop");
    act("getInfo", {"x"});
    act("toggleShowing");
    act("toggleShowing", {"everything"});
    act("changeFlyingMode", {"upside-down"});
    act("open");  // no template: the Button 2 and Return bindings
    act("alert");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_TRUE(snapshot() == before);
    EXPECT_FALSE(messageShown);
}

struct OpenCase {
    const char *templateText;
    const char *expected;
};

TEST_F(Actions, OpenReportsTheCommandAndRunsNothing)
{
    PickedPlanet picked("/home/kestrel/", "notes");
    ms().pickedStar = &picked.planet;
    const OpenCase cases[] = {
        {"open %s", "exec: \"open /home/kestrel/notes\"\n"},
        {"%s", "exec: \"/home/kestrel/notes\"\n"},
        {"cp %s %s", "exec: \"cp /home/kestrel/notes %s\"\n"},
        {"%d %s", "exec: \"%d /home/kestrel/notes\"\n"},
        {"%n%s", "exec: \"%n/home/kestrel/notes\"\n"},
        {"grep 100%% %s", "exec: \"grep 100% /home/kestrel/notes\"\n"},
        {"rm %", "exec: \"rm %\"\n"},
        {"true", "exec: \"true\"\n"},
        // Actually running this would leave a file behind.
        {"touch /tmp/dirnaut-open-ran; %s", "exec: \"touch /tmp/dirnaut-open-ran; /home/kestrel/notes\"\n"},
    };
    std::remove("/tmp/dirnaut-open-ran");
    for (const OpenCase &c : cases) {
        SCOPED_TRACE(c.templateText);
        testing::internal::CaptureStderr();
        act("open", {c.templateText});
        EXPECT_EQ(testing::internal::GetCapturedStderr(), c.expected);
    }
    EXPECT_NE(access("/tmp/dirnaut-open-ran", F_OK), 0);

    // A name with directives in it is path text, never a format.
    PickedPlanet odd("/tmp/", "%s%n%d");
    ms().pickedStar = &odd.planet;
    testing::internal::CaptureStderr();
    act("open", {"open %s"});
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "exec: \"open /tmp/%s%n%d\"\n");
}

TEST_F(Actions, OpenNeedsAPickedStarOtherThanTheRoot)
{
    testing::internal::CaptureStderr();
    ms().pickedStar = nullptr;
    act("open", {"open %s"});
    ms().pickedStar = &rootGalaxy;
    act("open", {"open %s"});
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");

    // A galaxy of the root: "/" and its name.
    ASSERT_GT(rootGalaxy.childCount, 0);
    ms().pickedStar = &rootGalaxy.children[0];
    testing::internal::CaptureStderr();
    act("open", {"open %s"});
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              std::string("exec: \"open /") + rootGalaxy.children[0].name + "\"\n");
}

TEST_F(Actions, OpenCutsThePathAndTheCommandAt1023)
{
    const std::string dir = "/" + std::string(600, 'd') + "/";
    PickedPlanet picked(dir, std::string(600, 'n'));
    ms().pickedStar = &picked.planet;
    const std::string path = (dir + std::string(600, 'n')).substr(0, 1023);
    const struct {
        const char *templateText;
        std::string command;
    } cases[] = {
        {"%s", path},
        {"open %s", ("open " + path).substr(0, 1023)},
        {"%s then more", (path + " then more").substr(0, 1023)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.templateText);
        testing::internal::CaptureStderr();
        act("open", {c.templateText});
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_EQ(err, "exec: \"" + c.command + "\"\n");
        EXPECT_EQ(c.command.size(), 1023u);
    }
}

TEST_F(Actions, AutopilotOnlyReports)
{
    const struct {
        std::vector<std::string> params;
        const char *line;
    } cases[] = {
        {{}, "MainScreen: act_autopilot\n"},
        {{"/home/kestrel"}, "MainScreen: act_autopilot(/home/kestrel)\n"},
        {{"%s%n%d", "second"}, "MainScreen: act_autopilot(%s%n%d)\n"},
        {{""}, "MainScreen: act_autopilot()\n"},
    };
    const auto before = snapshot();
    for (const auto &c : cases) {
        testing::internal::CaptureStderr();
        act("autopilot", c.params);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), c.line);
    }
    EXPECT_TRUE(snapshot() == before);
}

using e2e::Box;

Box red_box(const e2e::Image &img, std::uint32_t red)
{
    return e2e::colour_box(img, red);
}

TEST_F(Actions, AlertShowsItsTextWithDirectivesAsWritten)
{
    const std::uint32_t red = e2e::rgb_of(app.display(), "red");
    XFontStruct *font = ms().alertFont;
    ASSERT_NE(font, nullptr);
    const struct {
        const char *text;
        const char *drawn;
    } cases[] = {
        {"hello\n", "hello"},
        {"%s%n%d%x\n", "%s%n%d%x"},
        {"100%%\n", "100%"},
        {"%\n", "%"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        frame_tick(w);  // covers the previous message, re-enables the overlay
        ASSERT_FALSE(messageShown);
        act("alert", {c.text});
        EXPECT_TRUE(messageShown);
        const Box b = red_box(e2e::grab(app.display(), XtWindow(w)), red);
        ASSERT_GE(b.right, 0);
        const int width = XTextWidth(font, c.drawn, static_cast<int>(std::strlen(c.drawn)));
        EXPECT_NEAR(b.right - b.left + 1, width, 4);
        EXPECT_NEAR(b.bottom, 240 - 20, 8);  // one line: baseline at centreY - 20
    }
    // While a message is up, a second alert is dropped.
    frame_tick(w);
    act("alert", {"one\n"});
    const Box first = red_box(e2e::grab(app.display(), XtWindow(w)), red);
    act("alert", {"a much longer second line\n"});
    const Box second = red_box(e2e::grab(app.display(), XtWindow(w)), red);
    EXPECT_EQ(first.left, second.left);
    EXPECT_EQ(first.right, second.right);
}

}  // namespace
