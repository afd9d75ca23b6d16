#pragma once

#include <cstddef>
#include <cstdint>

#include "shell/vec3.h"

struct Star;
struct Viewpoint;

// One child of a galaxy about to be drawn: its centre in view coordinates.
struct ChildEntry {
    Vec3 position;
    Star *star;
};

// Working storage for the child lists of nested galaxies. A galaxy drawn inside
// another one pushes its own list above its parent's, so a single buffer
// serves the whole frame and is only reallocated while it grows.
struct ChildStack {
    ChildEntry *entries;
    std::size_t size;
    std::size_t capacity;
    double *depths;  // two halves: depths of the kept children and of the ordered list
    std::size_t depthCapacity;
    std::uint32_t *buckets;  // each kept child's bucket, then the bucket counts
    std::size_t bucketCapacity;
};

extern ChildStack childStack;

// Appends the galaxy's drawable children to the stack, farthest first: skip is
// left out, planets at depth 0 or behind are dropped, galaxies and wormholes
// are kept at any depth. Of children at equal depth the later one comes
// first. Returns the index of the first appended entry, or -1 when the
// storage cannot grow (nothing is appended then).
long order_children(ChildStack &stack, const Star &galaxy, const Star *skip, const Viewpoint &vp);

// Frees the stack's storage (the program-wide one lives for the whole run).
void free_child_stack(ChildStack &stack);

// Drops the entries from index base on.
inline void release_children(ChildStack &stack, long base)
{
    stack.size = static_cast<std::size_t>(base);
}
