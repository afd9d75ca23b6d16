#include "shell/app.h"
#include "shell/timer_wait.h"
#include "widget/frame_tick.h"

AppData appData;

unsigned long frame_interval(int delayTicks)
{
    return delayTicks < 0 ? 0UL : static_cast<unsigned long>(delayTicks);
}

void tick_timeout(XtPointer clientData, XtIntervalId *)
{
    Widget w = static_cast<Widget>(clientData);
    frame_tick(w);
    arm_frame_timer(XtWidgetToApplicationContext(w), frame_interval(appData.delayTicks), tick_timeout, clientData);
}
