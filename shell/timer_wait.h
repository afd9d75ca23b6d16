#pragma once

#include <X11/Intrinsic.h>

// The toolkit waits for its next timer in whole milliseconds, rounded down, so
// in the last millisecond before the frame timer is due it waits for 0 ms over
// and over until the timer is due: a busy loop of up to a millisecond in every
// frame, most of what an idle viewer costs. A block hook sleeps out that last
// millisecond instead, and wakes as soon as the X connection has input.

// Arms the frame timer (the toolkit's XtAppAddTimeOut) and remembers when it
// is due.
void arm_frame_timer(XtAppContext app, unsigned long interval, XtTimerCallbackProc proc, XtPointer data);

// Installs the block hook that sleeps out the last millisecond before the
// frame timer of dpy's application context is due.
void install_timer_wait(XtAppContext app, Display *dpy);
