#pragma once

// Hand-built star trees for tests and fuzz targets, without a file system.

#include <cstdlib>
#include <vector>

#include "universe/children_block.h"
#include "universe/star.h"

namespace fixture {

// Makes g scanned with these children (built top-down, so parent pointers
// point at the records' final places); returns the new children array. The
// kids' heap names and paths move into the array's block: they are copied
// there and freed.
inline Star *set_children(Star &g, const std::vector<Star> &kids)
{
    g.scanned = 1;
    g.childCount = static_cast<int>(kids.size());
    g.children = make_children(kids.data(), g.childCount);
    for (const Star &k : kids) {
        std::free(k.name);
        if (k.kind == STAR_GALAXY)
            std::free(k.path);
    }
    for (int i = 0; i < g.childCount; ++i)
        g.children[i].parent = &g;
    return g.children;
}

}  // namespace fixture
