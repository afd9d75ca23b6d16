#pragma once

#include "universe/star.h"

// Frees what one record owns: its name, a galaxy's path and everything below
// it, a wormhole's link components. The record itself belongs to its array.
void free_star_contents(Star &s);
