#pragma once

#include <X11/Intrinsic.h>

// The application resources, fetched once at start-up.
struct AppData {
    Boolean titleMode;  // stored; nothing reads it
    int delayTicks;     // pause between frames, in milliseconds
};

extern AppData appData;

// The toolkit's timer interval for a delay resource: a negative delay is
// treated as 0 rather than becoming a huge unsigned interval.
unsigned long frame_interval(int delayTicks);

// The timer callback: one frame, then the timer is armed again.
void tick_timeout(XtPointer clientData, XtIntervalId *id);
