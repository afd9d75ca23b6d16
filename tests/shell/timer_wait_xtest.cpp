// The frame timer's wait: no busy loop before the timer is due, and the timer
// still never fires early.

#include <gtest/gtest.h>

#include <sys/time.h>

#include "shell/timer_wait.h"
#include "tests/e2e/xt_app.h"

namespace {

constexpr unsigned long kInterval = 50;  // the default frame delay, ms
constexpr int kTicks = 20;

struct Counts {
    XtAppContext app;
    int waits = 0;  // rounds in which the toolkit was about to wait
    int ticks = 0;
    double earliest = 1e9;  // shortest time from arming to firing, ms
    timeval armed{};
};

double ms_since(const timeval &t)
{
    timeval now;
    gettimeofday(&now, nullptr);
    return (now.tv_sec - t.tv_sec) * 1e3 + (now.tv_usec - t.tv_usec) / 1e3;
}

void count_wait(XtPointer data)
{
    ++static_cast<Counts *>(data)->waits;
}

void arm(Counts &c);

void fired(XtPointer data, XtIntervalId *)
{
    auto &c = *static_cast<Counts *>(data);
    const double elapsed = ms_since(c.armed);
    c.earliest = elapsed < c.earliest ? elapsed : c.earliest;
    if (++c.ticks < kTicks)
        arm(c);
}

void arm(Counts &c)
{
    gettimeofday(&c.armed, nullptr);
    arm_frame_timer(c.app, kInterval, fired, &c);
}

TEST(TimerWait, TheToolkitWaitsAFewRoundsPerFrameAndTheTimerIsNeverEarly)
{
    e2e::XtApp app;
    Counts c{app.context()};
    install_timer_wait(app.context(), app.display());
    XtAppAddBlockHook(app.context(), count_wait, &c);
    arm(c);
    while (c.ticks < kTicks)
        XtAppProcessEvent(app.context(), XtIMAll);
    // A round waits until the timer is due or X input comes. The toolkit's own
    // wait, rounded down to whole milliseconds, spins in the last millisecond:
    // many rounds per frame (hundreds on a fast machine).
    EXPECT_LT(static_cast<double>(c.waits) / kTicks, 4.0);
    EXPECT_GE(c.earliest, static_cast<double>(kInterval));
}

}  // namespace
