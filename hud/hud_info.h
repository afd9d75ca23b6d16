#pragma once

#include <X11/Xlib.h>

#include <cstddef>

struct Star;

// The info panel: fixed captions, the velocity with the flying mode, the
// current galaxy's path, the star under the cursor and two lines of help.
constexpr char kVelocityCaption[] = "Velocity:";
constexpr char kGalaxyCaption[] = "Current Galaxy:";
constexpr char kForwardHelp[] = "Button1 : Forward";
constexpr char kBackwardHelp[] = "Button3 : Backward";

// "%3.1f" of the largest double has 309 digits before the point: the velocity
// line always fits whole.
constexpr std::size_t kVelocityTextSize = 320;
// Two file names of at most 255 bytes each and the decoration fit many times
// over; anything longer is cut, far beyond the right edge of any window.
constexpr std::size_t kPickedTextSize = 1024;
// No glyph is narrower than a pixel and nothing beyond x = 32767 can be drawn,
// so longer texts are cut there; this also keeps one text request small.
constexpr int kMaxDrawnChars = 32767;

// Each writes its line and returns the number of characters in it.
int format_velocity(char (&text)[kVelocityTextSize], double velocity, int flyingMode);
// Returns 0 (and an empty text) when nothing is picked or the root is.
int format_picked(char (&text)[kPickedTextSize], const Star *picked, const Star *root);

// The length to draw of a text of `length` characters.
int drawable_length(std::size_t length);

// The info font's maximal glyph width, ascent and descent.
struct FontMetrics {
    int maxWidth;
    int ascent;
    int descent;
};

// Text baselines of the panel's lines, within the 16-bit coordinate range.
struct InfoLayout {
    XPoint velocityCaption;
    XPoint galaxyCaption;
    XPoint velocity;
    XPoint path;
    XPoint picked;
    XPoint forwardHelp;
    XPoint backwardHelp;
};
InfoLayout info_layout(int width, int height, const FontMetrics &font);
