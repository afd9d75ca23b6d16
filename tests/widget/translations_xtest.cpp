// The default translation table: its text, and what each binding does when
// the toolkit dispatches the matching pointer or key event to the widget.

#include <gtest/gtest.h>

#include <X11/keysym.h>

#include <string>

#include "navigation/velocity.h"
#include "tests/widget/action_fixture.h"
#include "widget/actions.h"

namespace {

TEST(DefaultTranslations, TextByteForByte)
{
    const char *const lines[] = {
        "<Motion>: moveCursor()",
        "<Btn1Up>: brake(0.1)",
        "<Btn3Up>: brake(0.1)",
        "~Shift<Btn1Down>: stop() addVelocity(0.05)",
        "Shift<Btn1Down>: stop() addVelocity(1.0)",
        "~Shift<Btn3Down>: stop() addVelocity(-0.05)",
        "Shift<Btn3Down>: stop() addVelocity(-1.0)",
        "<Btn2Up>: open()",
        "<KeyUp>: moveCursorTo(0, 0) brake(0.1)",
        "<KeyDown>Left: moveCursor(-0.2, 0)",
        "<KeyDown>Right: moveCursor( 0.2, 0)",
        "<KeyDown>Up: moveCursor(0, -0.2)",
        "<KeyDown>Down: moveCursor(0,  0.2)",
        "~Shift<KeyDown>space: stop() addVelocity(0.05)",
        "Shift<KeyDown>b: stop() addVelocity(-1.0)",
        "~Shift<KeyDown>space: stop() addVelocity(0.05)",
        "Shift<KeyDown>b: stop() addVelocity(-1.0)",
        "<KeyDown>z: reposition()",
        "<KeyDown>x: changeFlyingMode()",
        "<KeyDown>v: toggleShowing(info) toggleShowing(measure) toggleShowing(label)",
        "<KeyDown>m: toggleShowing(measure)",
        "<KeyDown>n: autopilot()",
        "<KeyDown>h: autopilot(/home/kestrel)",
        "<KeyDown>i: getInfo()",
        "<KeyDown>Return : open()",
        "<KeyDown>o: open(\"open %s\")",
        "<KeyDown>f: freeze()",
        "<KeyDown>q: quit()",
    };
    std::string expected = "  ";
    for (const char *line : lines)
        expected += std::string("\t") + line + "\n";
    EXPECT_EQ(std::string(defaultTranslations), expected);
}

// Sends one event through the toolkit's dispatch, as if the server had.
class Bindings : public testing::Test, public ActionFixture {
protected:
    XEvent base(int type)
    {
        XEvent ev{};
        ev.xany.type = type;
        ev.xany.display = app.display();
        ev.xany.window = XtWindow(w);
        return ev;
    }
    void key(KeySym sym, bool press, unsigned state = 0)
    {
        XEvent ev = base(press ? KeyPress : KeyRelease);
        ev.xkey.root = DefaultRootWindow(app.display());
        ev.xkey.keycode = XKeysymToKeycode(app.display(), sym);
        ev.xkey.state = state;
        ev.xkey.same_screen = True;
        ev.xkey.x = ev.xkey.y = 10;
        XtDispatchEvent(&ev);
    }
    void button(unsigned number, bool press, unsigned state = 0)
    {
        XEvent ev = base(press ? ButtonPress : ButtonRelease);
        ev.xbutton.root = DefaultRootWindow(app.display());
        ev.xbutton.button = number;
        ev.xbutton.state = state;
        ev.xbutton.same_screen = True;
        XtDispatchEvent(&ev);
    }
    void motion()
    {
        XEvent ev = base(MotionNotify);
        ev.xmotion.root = DefaultRootWindow(app.display());
        ev.xmotion.x = 100;
        ev.xmotion.y = 100;
        ev.xmotion.same_screen = True;
        XtDispatchEvent(&ev);
    }
    // Marks both operations so that a binding's install shows.
    void reset_ops()
    {
        ms().velocityOp = velocity_set;
        ms().velocityOpArg = 42;
        ms().cursorOp = cursor_move_to;
        ms().cursorOpArgX = ms().cursorOpArgY = 42;
    }
    void expect_velocity(VelocityOp op, double arg)
    {
        EXPECT_EQ(ms().velocityOp, op);
        EXPECT_EQ(ms().velocityOpArg, arg);
    }
    void expect_cursor(CursorOp op, double x, double y)
    {
        EXPECT_EQ(ms().cursorOp, op);
        EXPECT_EQ(ms().cursorOpArgX, x);
        EXPECT_EQ(ms().cursorOpArgY, y);
    }
};

TEST_F(Bindings, ButtonsAccelerateAndBrake)
{
    const struct {
        unsigned button;
        bool press;
        unsigned state;
        VelocityOp op;
        double arg;
    } cases[] = {
        {Button1, true, 0, velocity_add, 0.05},
        {Button1, true, ShiftMask, velocity_add, 1.0},
        {Button3, true, 0, velocity_add, -0.05},
        {Button3, true, ShiftMask, velocity_add, -1.0},
        {Button1, false, Button1Mask, velocity_brake, 0.1},
        {Button3, false, Button3Mask | ShiftMask, velocity_brake, 0.1},
        {Button2, true, 0, velocity_set, 42},  // unbound: nothing installed
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::to_string(c.button) + (c.press ? " down" : " up") + (c.state & ShiftMask ? " shift" : ""));
        reset_ops();
        button(c.button, c.press, c.state);
        expect_velocity(c.op, c.arg);
        expect_cursor(cursor_move_to, 42, 42);
    }
}

TEST_F(Bindings, PointerAndArrowKeysSteer)
{
    reset_ops();
    motion();
    expect_cursor(cursor_move_by, 0, 0);
    expect_velocity(velocity_set, 42);

    const struct {
        KeySym sym;
        double x, y;
    } arrows[] = {{XK_Left, -0.2, 0}, {XK_Right, 0.2, 0}, {XK_Up, 0, -0.2}, {XK_Down, 0, 0.2}};
    for (const auto &a : arrows) {
        SCOPED_TRACE(XKeysymToString(a.sym));
        reset_ops();
        key(a.sym, true);
        expect_cursor(cursor_move_by, a.x, a.y);
        expect_velocity(velocity_set, 42);
        // Releasing any key centres the cursor and brakes.
        key(a.sym, false);
        expect_cursor(cursor_move_to, 0, 0);
        expect_velocity(velocity_brake, 0.1);
    }
}

TEST_F(Bindings, SpaceAndShiftBAccelerate)
{
    const struct {
        KeySym sym;
        unsigned state;
        VelocityOp op;
        double arg;
    } cases[] = {
        {XK_space, 0, velocity_add, 0.05},
        {XK_b, ShiftMask, velocity_add, -1.0},
        {XK_space, ShiftMask, velocity_set, 42},  // unbound
        {XK_b, 0, velocity_set, 42},              // unbound
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(XKeysymToString(c.sym)) + (c.state ? " shift" : ""));
        reset_ops();
        key(c.sym, true, c.state);
        expect_velocity(c.op, c.arg);
    }
}

TEST_F(Bindings, LetterKeys)
{
    key(XK_z, true);
    EXPECT_EQ(ms().navigationState, 2);
    key(XK_x, true);
    EXPECT_EQ(ms().flyingMode, 1);
    key(XK_x, true);
    EXPECT_EQ(ms().flyingMode, 0);
    key(XK_f, true);
    EXPECT_TRUE(ms().frozen);

    const Boolean info = ms().showInfo, measure = ms().showMeasure, label = ms().showLabel;
    key(XK_v, true);
    EXPECT_EQ(ms().showInfo, !info);
    EXPECT_EQ(ms().showMeasure, !measure);
    EXPECT_EQ(ms().showLabel, !label);
    key(XK_m, true);
    key(XK_v, true);
    EXPECT_EQ(ms().showInfo, info);
    EXPECT_EQ(ms().showMeasure, !measure);
    EXPECT_EQ(ms().showLabel, label);
}

TEST_F(Bindings, ReportingKeys)
{
    PickedPlanet picked("/home/kestrel/", "notes");
    ms().pickedStar = &picked.planet;
    const struct {
        KeySym sym;
        const char *err;
    } cases[] = {
        {XK_n, "MainScreen: act_autopilot\n"},
        {XK_h, "MainScreen: act_autopilot(/home/kestrel)\n"},
        {XK_o, "exec: \"open /home/kestrel/notes\"\n"},
        {XK_Return, ""},  // open() without a template
        {XK_i, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(XKeysymToString(c.sym));
        const auto before = snapshot();
        testing::internal::CaptureStderr();
        key(c.sym, true);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), c.err);
        EXPECT_TRUE(snapshot() == before);
    }
    testing::internal::CaptureStderr();
    button(Button2, false, Button2Mask);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

}  // namespace
