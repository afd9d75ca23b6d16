#pragma once

#include "universe/star.h"

// A galaxy's children live in one allocation: the records, then the text of
// their names and, for galaxies, their paths. Releasing the galaxy frees it
// all with one call, and no name pays the allocator's rounding on its own.

// Copies n records into a new block and their names (and galaxies' paths)
// behind them; the copies point at the copied text. The records' own strings
// are left as they are. Returns null when n is 0 or memory runs out.
Star *make_children(const Star *records, int n);
