#pragma once

// Hand-built star trees for tests and fuzz targets, without a file system.

#include <cstdlib>
#include <vector>

#include "universe/star.h"

namespace fixture {

// Makes g scanned with these children (built top-down, so parent pointers
// point at the records' final places); returns the new children array.
inline Star *set_children(Star &g, const std::vector<Star> &kids)
{
    g.scanned = 1;
    g.childCount = static_cast<int>(kids.size());
    g.children = static_cast<Star *>(std::malloc(kids.size() * sizeof(Star)));
    int i = 0;
    for (const Star &k : kids) {
        g.children[i] = k;
        g.children[i].parent = &g;
        ++i;
    }
    return g.children;
}

}  // namespace fixture
