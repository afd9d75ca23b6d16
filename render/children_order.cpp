#include "render/children_order.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <limits>

#include "navigation/viewpoint.h"
#include "universe/star.h"

ChildStack childStack;

namespace {

bool reserve(ChildStack &stack, std::size_t needed)
{
    if (needed <= stack.capacity)
        return true;
    std::size_t capacity = stack.capacity < 64 ? 64 : stack.capacity;
    while (capacity < needed)
        capacity *= 2;
    void *grown = std::realloc(stack.entries, capacity * sizeof(ChildEntry));
    if (grown == nullptr)
        return false;
    stack.entries = static_cast<ChildEntry *>(grown);
    stack.capacity = capacity;
    return true;
}

// A depth that is no number cannot be ordered; such a child goes last.
double depth_key(const ChildEntry &e)
{
    return std::isnan(e.position.z) ? -std::numeric_limits<double>::infinity() : e.position.z;
}

// Farther first; at equal depth the later child (higher in the children array)
// first. The same order as inserting each child in turn before the first entry
// that is not deeper than it, but a total order, so std::sort needs no buffer.
bool draws_before(const ChildEntry &a, const ChildEntry &b)
{
    const double za = depth_key(a);
    const double zb = depth_key(b);
    if (za != zb)
        return za > zb;
    return std::greater<const Star *>()(a.star, b.star);
}

}  // namespace

long order_children(ChildStack &stack, const Star &galaxy, const Star *skip, const Viewpoint &vp)
{
    const std::size_t count = galaxy.childCount > 0 ? static_cast<std::size_t>(galaxy.childCount) : 0;
    if (!reserve(stack, stack.size + count))
        return -1;
    const long base = static_cast<long>(stack.size);
    ChildEntry *list = stack.entries + base;
    long n = 0;
    for (std::size_t i = 0; i < count; ++i) {
        Star *child = &galaxy.children[i];
        if (child == skip)
            continue;
        Vec3 p;
        vec3_to_basis(p, child->viewPosition, vp.right, vp.up, vp.forward);
        if (!(p.z > 0) && child->kind == STAR_PLANET)
            continue;
        list[n++] = {p, child};
    }
    std::sort(list, list + n, draws_before);
    stack.size += static_cast<std::size_t>(n);
    return base;
}
