#include "hud/hud_tapes.h"

#include <cstdio>

namespace {

// Division and remainder rounding down, so that a very wide tape (half range
// above 315 degrees, reaching below angle 0) still ticks every 3 degrees from
// its low end and labels -15 as 345.
int floor_div(int a, int b)
{
    const int q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

int floor_mod(int a, int b)
{
    return a - floor_div(a, b) * b;
}

}  // namespace

int tape_half_range(int headingTapeWidth)
{
    return (3 * headingTapeWidth) / 32;
}

TapeRun tape_run(int angle, int halfRange)
{
    const int low = angle + 360 - halfRange;
    TapeRun run{};
    run.first = floor_div(low + kTickDegrees - 1, kTickDegrees) * kTickDegrees;
    run.last = floor_div(angle + 360 + halfRange, kTickDegrees) * kTickDegrees;
    run.lead = (kTickPixels * (run.first - low)) / kTickDegrees;
    return run;
}

int tape_tick_count(const TapeRun &run)
{
    return run.first > run.last ? 0 : (run.last - run.first) / kTickDegrees + 1;
}

int heading_tick_x(const TapeRun &run, int i, int centerX, int tapeWidth)
{
    return centerX - tapeWidth / 2 + run.lead + kTickPixels * i;
}

int pitch_tick_y(const TapeRun &run, int i, int centerY, int tapeHeight)
{
    return centerY + tapeHeight / 2 - run.lead - kTickPixels * i;
}

bool tape_tick_labelled(int tapeAngle)
{
    return floor_mod(tapeAngle, kLabelDegrees) == 0;
}

int tape_tick_length(int tapeAngle)
{
    return tape_tick_labelled(tapeAngle) ? kLongTick : kShortTick;
}

int tape_label(char (&text)[kTapeLabelSize], int tapeAngle)
{
    return std::snprintf(text, sizeof text, "%d", floor_mod(tapeAngle, 360));
}

int heading_label_x(int tickX, int textWidth)
{
    return tickX - textWidth / 2;
}

int heading_label_y(int tapeTop, int ascent)
{
    return tapeTop + kLabelGap + ascent;
}

int pitch_label_x(int tapeLeft)
{
    return tapeLeft + kLabelGap;
}

int pitch_label_y(int tickY, int ascent)
{
    return tickY + ascent / 2;
}
