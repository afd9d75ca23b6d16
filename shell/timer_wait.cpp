#include "shell/timer_wait.h"

#include <poll.h>
#include <sys/time.h>

#include <ctime>

#ifndef DIRNAUT_TIMER_WAIT
#define DIRNAUT_TIMER_WAIT 1
#endif

namespace {

constexpr long kMicrosPerSecond = 1000000;
constexpr long kLastMillisecond = 1000;  // microseconds

// The frame timer's due time on the toolkit's clock (the time of day). Taken
// just after the toolkit took its own, so never earlier than the toolkit's.
timeval frameDue{};  // before any arming: long past

long micros_until(const timeval &due)
{
    timeval now;
    gettimeofday(&now, nullptr);
    return (due.tv_sec - now.tv_sec) * kMicrosPerSecond + (due.tv_usec - now.tv_usec);
}

void wait_out_last_millisecond(XtPointer clientData)
{
    auto *dpy = static_cast<Display *>(clientData);
    // Events already read from the connection are dispatched at once.
    if (XEventsQueued(dpy, QueuedAlready) > 0)
        return;
    const long left = micros_until(frameDue);
    // Longer waits the toolkit makes itself; a clock that jumped back leaves
    // more than a millisecond and is left to the toolkit as well.
    if (left <= 0 || left >= kLastMillisecond)
        return;
    pollfd connection{ConnectionNumber(dpy), POLLIN, 0};
    const timespec timeout{0, left * 1000};
    ppoll(&connection, 1, &timeout, nullptr);  // EINTR: the toolkit simply waits again
}

}  // namespace

void arm_frame_timer(XtAppContext app, unsigned long interval, XtTimerCallbackProc proc, XtPointer data)
{
    XtAppAddTimeOut(app, interval, proc, data);
    gettimeofday(&frameDue, nullptr);
    const unsigned long seconds = interval / 1000;
    frameDue.tv_sec += static_cast<time_t>(seconds);
    frameDue.tv_usec += static_cast<suseconds_t>((interval - seconds * 1000) * 1000);
    if (frameDue.tv_usec >= kMicrosPerSecond) {
        frameDue.tv_usec -= kMicrosPerSecond;
        ++frameDue.tv_sec;
    }
}

void install_timer_wait(XtAppContext app, Display *dpy)
{
    if (DIRNAUT_TIMER_WAIT)
        XtAppAddBlockHook(app, wait_out_last_millisecond, dpy);
}
