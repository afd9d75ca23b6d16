#include "render/children_order.h"

#include <bit>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "navigation/viewpoint.h"
#include "universe/star.h"

ChildStack childStack;

namespace {

template <typename T>
bool grow(T *&block, std::size_t &capacity, std::size_t needed)
{
    if (needed <= capacity)
        return true;
    std::size_t c = capacity < 64 ? 64 : capacity;
    while (c < needed)
        c *= 2;
    void *grown = std::realloc(block, c * sizeof(T));
    if (grown == nullptr)
        return false;
    block = static_cast<T *>(grown);
    capacity = c;
    return true;
}

// Orders like the depth, reversed, so that the farthest child has the smallest
// key: -0 equals 0, and a depth that is no number cannot be ordered, so it
// counts as infinitely far behind.
std::uint64_t depth_key(double z)
{
    if (std::isnan(z))
        z = -std::numeric_limits<double>::infinity();
    else if (z == 0)
        z = 0.0;
    const auto bits = std::bit_cast<std::uint64_t>(z);
    const std::uint64_t ascending = (bits >> 63) != 0 ? ~bits : bits | (std::uint64_t{1} << 63);
    return ~ascending;
}

// Bucket of a depth among n buckets from the farthest depth on.
std::size_t bucket_of(double z, double farthest, double scale, std::size_t n)
{
    const double t = (farthest - z) * scale;
    if (t >= 0 && t < static_cast<double>(n))
        return static_cast<std::size_t>(t);
    return t < 0 ? 0 : n - 1;  // rounding at the ends; a depth that is no number goes last
}

// Stable sort of n keys by value, whose depths lie from nearest to farthest;
// `spare` has room for n keys and `bucket` for n + 1 counts. The keys are first
// dealt into n buckets by depth, which the key follows, then an insertion pass
// puts each bucket in order: linear time for the smooth spread of depths
// inside a galaxy, and exact for any spread, ties included, since the
// insertion pass alone would already be.
DepthKey *bucket_sort(DepthKey *keys, DepthKey *spare, std::uint32_t *bucket, const ChildEntry *kept,
                      std::size_t n, double nearest, double farthest)
{
    const double span = farthest - nearest;
    if (std::isfinite(span) && span > 0) {
        const double scale = static_cast<double>(n - 1) / span;
        for (std::size_t b = 0; b <= n; ++b)
            bucket[b] = 0;
        for (std::size_t i = 0; i < n; ++i) {
            keys[i].bucket = static_cast<std::uint32_t>(bucket_of(kept[keys[i].index].position.z, farthest, scale, n));
            ++bucket[keys[i].bucket + 1];
        }
        for (std::size_t b = 1; b <= n; ++b)
            bucket[b] += bucket[b - 1];
        for (std::size_t i = 0; i < n; ++i)
            spare[bucket[keys[i].bucket]++] = keys[i];
        keys = spare;
    }
    for (std::size_t i = 1; i < n; ++i) {
        const DepthKey k = keys[i];
        std::size_t j = i;
        for (; j > 0 && keys[j - 1].key > k.key; --j)
            keys[j] = keys[j - 1];
        keys[j] = k;
    }
    return keys;
}

}  // namespace

void free_child_stack(ChildStack &stack)
{
    std::free(stack.entries);
    std::free(stack.keys);
    std::free(stack.buckets);
    stack = ChildStack{};
}

// Farther first; at equal depth the later child first: the same order as
// inserting each child in turn before the first entry that is not deeper than
// it. The children are keyed last to first and sorted stably by depth, which
// gives that order without inserting into the middle of a long list.
long order_children(ChildStack &stack, const Star &galaxy, const Star *skip, const Viewpoint &vp)
{
    const std::size_t count = galaxy.childCount > 0 ? static_cast<std::size_t>(galaxy.childCount) : 0;
    // The kept children are gathered above the room for the ordered list.
    if (!grow(stack.entries, stack.capacity, stack.size + 2 * count) ||
        !grow(stack.keys, stack.keyCapacity, 2 * count) || !grow(stack.buckets, stack.bucketCapacity, count + 1))
        return -1;
    const long base = static_cast<long>(stack.size);
    ChildEntry *list = stack.entries + base;
    ChildEntry *kept = list + count;
    std::uint32_t n = 0;
    double nearest = 0, farthest = 0;
    for (std::size_t i = count; i-- > 0;) {
        Star *child = &galaxy.children[i];
        if (child == skip)
            continue;
        const Vec3 &w = child->viewPosition;
        // vec3_to_basis, spelt out on this per-child path with the same sums.
        const Vec3 p{w.x * vp.right.x + w.y * vp.right.y + w.z * vp.right.z,
                     w.x * vp.up.x + w.y * vp.up.y + w.z * vp.up.z,
                     w.x * vp.forward.x + w.y * vp.forward.y + w.z * vp.forward.z};
        if (!(p.z > 0) && child->kind == STAR_PLANET)
            continue;
        if (n == 0) {
            nearest = p.z;
            farthest = p.z;
        } else {
            nearest = p.z < nearest ? p.z : nearest;
            farthest = p.z > farthest ? p.z : farthest;
        }
        stack.keys[n] = {depth_key(p.z), n, 0};
        kept[n++] = {p, child};
    }
    if (n == 0)
        return base;
    const DepthKey *sorted = bucket_sort(stack.keys, stack.keys + count, stack.buckets, kept, n, nearest, farthest);
    for (std::uint32_t i = 0; i < n; ++i)
        list[i] = kept[sorted[i].index];
    stack.size += n;
    return base;
}
