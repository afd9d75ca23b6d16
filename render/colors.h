#pragma once

#include "widget/surfaces.h"

// Entry of a colour set for a star's colour seed. A negative seed (a name
// whose first byte is above 127) is taken modulo count upwards, so -1 picks
// the last entry; the result is always in 0..count-1. count must be >= 1.
int color_index(int colorSeed, int count);

// The star's GC from a set, or null when the set is missing or empty (then the
// shape is simply not drawn).
GC color_gc(const ColorGCSet *set, int colorSeed);

// A star's readable flag as a set index: anything non-zero counts as readable.
inline int readable_index(int readable)
{
    return readable != 0 ? 1 : 0;
}
