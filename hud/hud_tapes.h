#pragma once

#include <cstddef>

// Angle tapes: a tick every 3 degrees and 16 pixels, a longer labelled tick
// every 15 degrees. Angles on a tape run 360 above the shown angle, so that
// they stay positive; labels show them modulo 360.
constexpr int kTickDegrees = 3;
constexpr int kTickPixels = 16;
constexpr int kLabelDegrees = 15;
constexpr int kShortTick = 4;
constexpr int kLongTick = 8;
constexpr int kLabelGap = 10;        // from the tape's edge to the label
constexpr std::size_t kTapeLabelSize = 16;

// Half the angle range a tape shows, from the heading tape's width.
int tape_half_range(int headingTapeWidth);

// The ticks of a tape around `angle`: the angles first, first + 3, ... last,
// the first one `lead` pixels from the tape's low end (angle + 360 - halfRange).
struct TapeRun {
    int first;
    int last;
    int lead;
};
TapeRun tape_run(int angle, int halfRange);
int tape_tick_count(const TapeRun &run);

// Where tick i lies: the heading tape grows to the right from its left end,
// the pitch tape upwards from its bottom end.
int heading_tick_x(const TapeRun &run, int i, int centerX, int tapeWidth);
int pitch_tick_y(const TapeRun &run, int i, int centerY, int tapeHeight);

bool tape_tick_labelled(int tapeAngle);
int tape_tick_length(int tapeAngle);
// The label of a tape angle ("%d" of the angle modulo 360, never negative);
// returns its length.
int tape_label(char (&text)[kTapeLabelSize], int tapeAngle);

// Baseline origins of the labels: centred under a heading tick, beside a
// pitch tick and centred on it vertically.
int heading_label_x(int tickX, int textWidth);
int heading_label_y(int tapeTop, int ascent);
int pitch_label_x(int tapeLeft);
int pitch_label_y(int tickY, int ascent);
