#pragma once

#include <deque>
#include <string>
#include <vector>

#include "universe/star.h"

// A synthetic universe for the frame benchmark: the root galaxy holding
// `galaxies` scanned galaxies of `starsPerGalaxy` stars each (mostly planets,
// some unscanned galaxies and wormholes into the other galaxies).
struct FrameUniverse {
    std::vector<Star> rootChildren;
    std::vector<std::vector<Star>> contents;
    std::deque<std::string> names;  // a deque never moves what it holds
};

void build_frame_universe(FrameUniverse &u, int galaxies, int starsPerGalaxy);
