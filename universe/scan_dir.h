#pragma once

#include "universe/star.h"

// The most stars one galaxy holds.
constexpr int kMaxStars = 256;

// Reads g's directory once and gives g one star per shown entry, placed and
// sized from names, types, sizes and permissions alone. g must have its path,
// readable flag and parent chain set and no children. Afterwards g is scanned
// (with no children if the directory could not be read) and universeChanged
// is set.
void scan_dir(Star *g);
