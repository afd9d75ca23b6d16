#pragma once

#include "universe/star.h"

// Frees what one record owns: everything below a galaxy, a wormhole's link
// components. The record and its name and path belong to its parent's
// children block.
void free_star_contents(Star &s);
