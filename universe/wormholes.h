#pragma once

#include "universe/star.h"

// Sets the target of every wormhole in the scanned subtree of g by walking its
// link components through the galaxies that exist now.
void resolve_wormholes(Star *g);
