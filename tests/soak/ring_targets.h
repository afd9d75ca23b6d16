#pragma once

// Where the soak's pilot can steer: the galaxy rings on a window image, each
// connected run of ring-coloured pixels taken as one ring.

#include <cstdint>
#include <vector>

namespace soak {

struct RingTarget {
    int left, top, right, bottom;  // bounding box of the ring's pixels, inclusive
    long pixels;
    int centre_x() const { return (left + right) / 2; }
    int centre_y() const { return (top + bottom) / 2; }
    int extent() const { return right - left > bottom - top ? right - left + 1 : bottom - top + 1; }
};

// Pixels of one of the colours, grouped into rings: pixels count as joined
// when they lie in the same or in touching cells of `cell` pixels square, so
// a ring drawn as line segments (with gaps where labels or discs cover it)
// stays one target. pixels holds width x height colours, row by row.
std::vector<RingTarget> ring_targets(int width, int height, const std::uint32_t *pixels,
                                     const std::vector<std::uint32_t> &colours, int cell = 4);

}  // namespace soak
