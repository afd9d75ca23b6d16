#pragma once

#include "universe/star.h"

constexpr double kEnterRatio = 0.8;     // entered closer than this many radii
constexpr double kRequestSize = 0.05;   // apparent size that reads or forgets a directory

// Marks the galaxy for entry in the render context when it is a child of the
// current galaxy and the viewer is closer than 0.8 of its radius. Runs before
// any culling, so a galaxy around the viewer is marked even when unseen.
void mark_for_entry(Star *galaxy, double distance);

// Posts a scan or release request for the apparent size a, when none is
// pending; the root, and a galaxy that still holds the next stack level, are
// never released. Returns whether the contents are to be
// drawn in this frame (not when a release was just asked for).
bool post_request(Star &galaxy, double apparentSize);
