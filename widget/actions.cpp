// Input actions: they only store an operation, a mode or a flag; the next
// frame applies it. The exceptions write a report line, show a message or quit.

#include "widget/actions.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <strings.h>

#include "hud/message.h"
#include "navigation/velocity.h"
#include "universe/star.h"
#include "widget/MainScreenP.h"
#include "widget/template_text.h"

char defaultTranslations[] =
    "  \t<Motion>: moveCursor()\n"
    "\t<Btn1Up>: brake(0.1)\n"
    "\t<Btn3Up>: brake(0.1)\n"
    "\t~Shift<Btn1Down>: stop() addVelocity(0.05)\n"
    "\tShift<Btn1Down>: stop() addVelocity(1.0)\n"
    "\t~Shift<Btn3Down>: stop() addVelocity(-0.05)\n"
    "\tShift<Btn3Down>: stop() addVelocity(-1.0)\n"
    "\t<Btn2Up>: open()\n"
    "\t<KeyUp>: moveCursorTo(0, 0) brake(0.1)\n"
    "\t<KeyDown>Left: moveCursor(-0.2, 0)\n"
    "\t<KeyDown>Right: moveCursor( 0.2, 0)\n"
    "\t<KeyDown>Up: moveCursor(0, -0.2)\n"
    "\t<KeyDown>Down: moveCursor(0,  0.2)\n"
    "\t~Shift<KeyDown>space: stop() addVelocity(0.05)\n"
    "\tShift<KeyDown>b: stop() addVelocity(-1.0)\n"
    "\t~Shift<KeyDown>space: stop() addVelocity(0.05)\n"
    "\tShift<KeyDown>b: stop() addVelocity(-1.0)\n"
    "\t<KeyDown>z: reposition()\n"
    "\t<KeyDown>x: changeFlyingMode()\n"
    "\t<KeyDown>v: toggleShowing(info) toggleShowing(measure) toggleShowing(label)\n"
    "\t<KeyDown>m: toggleShowing(measure)\n"
    "\t<KeyDown>n: autopilot()\n"
    "\t<KeyDown>h: autopilot(/home/kestrel)\n"
    "\t<KeyDown>i: getInfo()\n"
    "\t<KeyDown>Return : open()\n"
    "\t<KeyDown>o: open(\"open %s\")\n"
    "\t<KeyDown>f: freeze()\n"
    "\t<KeyDown>q: quit()\n";

bool open_command(const Star *picked, const char *templateText, char *out, unsigned long size)
{
    if (picked == nullptr || picked == &rootGalaxy || picked->parent == nullptr || size == 0)
        return false;
    char path[1024];
    std::snprintf(path, sizeof path, "%s%s", picked->parent->path, picked->name);
    std::snprintf(out, size, "%s", expand_template(templateText, path).c_str());
    return true;
}

namespace {

// atof also reads "nan", "inf" and overflowing numbers; such a value would
// spread into every position for good, so it counts as no number.
double number(String *params, Cardinal n, Cardinal i)
{
    const double v = i < n ? std::atof(params[i]) : 0.0;
    return std::isfinite(v) ? v : 0.0;
}

void install_velocity(Widget w, VelocityOp op, String *params, Cardinal *n)
{
    MainScreenPart &ms = screen_part(w);
    ms.velocityOp = op;
    ms.velocityOpArg = number(params, *n, 0);
}

// One parameter counts as none: the cursor actions take both numbers or neither.
void install_cursor(Widget w, CursorOp op, String *params, Cardinal *n)
{
    MainScreenPart &ms = screen_part(w);
    ms.cursorOp = op;
    const bool both = *n >= 2;
    ms.cursorOpArgX = both ? number(params, *n, 0) : 0.0;
    ms.cursorOpArgY = both ? number(params, *n, 1) : 0.0;
}

void SetVelocity(Widget w, XEvent *, String *params, Cardinal *n)
{
    install_velocity(w, velocity_set, params, n);
}

void AddVelocity(Widget w, XEvent *, String *params, Cardinal *n)
{
    install_velocity(w, velocity_add, params, n);
}

void Brake(Widget w, XEvent *, String *params, Cardinal *n)
{
    install_velocity(w, velocity_brake, params, n);
}

void MoveCursorTo(Widget w, XEvent *, String *params, Cardinal *n)
{
    install_cursor(w, cursor_move_to, params, n);
}

void MoveCursor(Widget w, XEvent *, String *params, Cardinal *n)
{
    install_cursor(w, cursor_move_by, params, n);
}

void Reposition(Widget w, XEvent *, String *, Cardinal *)
{
    screen_part(w).navigationState = 2;
}

void ChangeFlyingMode(Widget w, XEvent *, String *params, Cardinal *n)
{
    MainScreenPart &ms = screen_part(w);
    if (*n == 0)
        ms.flyingMode = ms.flyingMode == 0 ? 1 : 0;
    else if (strcasecmp(params[0], "polar") == 0)
        ms.flyingMode = 0;
    else if (strcasecmp(params[0], "cartesian") == 0)
        ms.flyingMode = 1;
}

void ToggleShowing(Widget w, XEvent *, String *params, Cardinal *n)
{
    if (*n == 0)
        return;
    MainScreenPart &ms = screen_part(w);
    if (strcasecmp(params[0], "info") == 0)
        ms.showInfo = !ms.showInfo;
    else if (strcasecmp(params[0], "measure") == 0)
        ms.showMeasure = !ms.showMeasure;
    else if (strcasecmp(params[0], "label") == 0)
        ms.showLabel = !ms.showLabel;
}

void Open(Widget w, XEvent *, String *params, Cardinal *n)
{
    if (*n == 0)
        return;
    char command[1024];
    if (open_command(screen_part(w).pickedStar, params[0], command, sizeof command))
        std::fprintf(stderr, "exec: \"%s\"\n", command);
}

void Nothing(Widget, XEvent *, String *, Cardinal *) {}

void Autopilot(Widget, XEvent *, String *params, Cardinal *n)
{
    std::fputs("MainScreen: act_autopilot", stderr);
    if (*n >= 1)
        std::fprintf(stderr, "(%s)", params[0]);
    std::fputc('\n', stderr);
}

void Freeze(Widget w, XEvent *, String *, Cardinal *)
{
    MainScreenPart &ms = screen_part(w);
    ms.frozen = !ms.frozen;
}

void Alert(Widget w, XEvent *, String *params, Cardinal *n)
{
    if (*n >= 1)
        show_message_text(w, params[0]);
}

void Quit(Widget, XEvent *, String *, Cardinal *)
{
    std::exit(0);
}

char nSetVelocity[] = "setVelocity", nAddVelocity[] = "addVelocity", nBrake[] = "brake",
     nMoveCursorTo[] = "moveCursorTo", nMoveCursor[] = "moveCursor", nReposition[] = "reposition",
     nChangeFlyingMode[] = "changeFlyingMode", nToggleShowing[] = "toggleShowing", nOpen[] = "open",
     nGetInfo[] = "getInfo", nAutopilot[] = "autopilot", nStop[] = "stop", nFreeze[] = "freeze", nAlert[] = "alert",
     nQuit[] = "quit";

}  // namespace

XtActionsRec mainScreenActions[] = {
    {nSetVelocity, SetVelocity},
    {nAddVelocity, AddVelocity},
    {nBrake, Brake},
    {nMoveCursorTo, MoveCursorTo},
    {nMoveCursor, MoveCursor},
    {nReposition, Reposition},
    {nChangeFlyingMode, ChangeFlyingMode},
    {nToggleShowing, ToggleShowing},
    {nOpen, Open},
    {nGetInfo, Nothing},
    {nAutopilot, Autopilot},
    {nStop, Nothing},
    {nFreeze, Freeze},
    {nAlert, Alert},
    {nQuit, Quit},
};
const Cardinal mainScreenActionCount = XtNumber(mainScreenActions);
