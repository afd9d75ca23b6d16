// What a bare toolkit program with a 50 ms repeating timer costs at rest: one
// Simple widget of the same size as dirnaut's window, a timer that only
// flushes and re-arms itself, the toolkit's own wait. The idle benchmark
// measures it in the same run, so the cost of dirnaut at rest can be read
// against what the event loop and the timer alone cost on this machine.

#include <X11/Intrinsic.h>
#include <X11/StringDefs.h>
#include <X11/Xaw/Simple.h>

namespace {

char appClass[] = "IdleFloor";
char widgetName[] = "screen";
constexpr unsigned long kDelayMs = 50;

void tick(XtPointer data, XtIntervalId *)
{
    Widget w = static_cast<Widget>(data);
    XFlush(XtDisplay(w));
    XtAppAddTimeOut(XtWidgetToApplicationContext(w), kDelayMs, tick, data);
}

}  // namespace

int main(int argc, char **argv)
{
    XtAppContext app;
    Widget top = XtVaAppInitialize(&app, appClass, nullptr, 0, &argc, argv, nullptr, nullptr);
    Widget screen =
        XtVaCreateManagedWidget(widgetName, simpleWidgetClass, top, XtNwidth, 640, XtNheight, 480, nullptr);
    XtRealizeWidget(top);
    XtAppAddTimeOut(app, kDelayMs, tick, screen);
    XtAppMainLoop(app);
    return 0;
}
