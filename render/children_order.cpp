#include "render/children_order.h"

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

// The depth a child is ordered by: a depth that is no number cannot be
// ordered, so it counts as infinitely far behind. -0 and 0 compare equal.
double order_depth(double z)
{
    return std::isnan(z) ? -std::numeric_limits<double>::infinity() : z;
}

// Bucket of a depth among n buckets from the farthest depth on.
std::size_t bucket_of(double z, double farthest, double scale, std::size_t n)
{
    const double t = (farthest - z) * scale;
    if (t >= 0 && t < static_cast<double>(n))
        return static_cast<std::size_t>(t);
    return t < 0 ? 0 : n - 1;  // rounding at the ends
}

// Puts the n kept children into list, farther first and of equal depths in
// the order they were kept, with their depths alongside. They are first dealt
// stably into n buckets by depth, then an insertion pass puts each bucket in
// order: linear time for the smooth spread of depths inside a galaxy, and
// exact for any spread, ties included, since the insertion pass alone would
// already be. `bucket` has room for 2n + 1 numbers.
void bucket_sort(const ChildEntry *kept, const double *keptDepth, ChildEntry *list, double *depth,
                 std::uint32_t *bucket, std::size_t n, double nearest, double farthest)
{
    const double span = farthest - nearest;
    if (std::isfinite(span) && span > 0) {
        const double scale = static_cast<double>(n - 1) / span;
        std::uint32_t *start = bucket + n;
        for (std::size_t b = 0; b <= n; ++b)
            start[b] = 0;
        for (std::size_t i = 0; i < n; ++i) {
            bucket[i] = static_cast<std::uint32_t>(bucket_of(keptDepth[i], farthest, scale, n));
            ++start[bucket[i] + 1];
        }
        for (std::size_t b = 1; b <= n; ++b)
            start[b] += start[b - 1];
        for (std::size_t i = 0; i < n; ++i) {
            const std::uint32_t at = start[bucket[i]]++;
            list[at] = kept[i];
            depth[at] = keptDepth[i];
        }
    } else {
        for (std::size_t i = 0; i < n; ++i) {
            list[i] = kept[i];
            depth[i] = keptDepth[i];
        }
    }
    for (std::size_t i = 1; i < n; ++i) {
        const double d = depth[i];
        if (!(depth[i - 1] < d))
            continue;  // already in place, the common case
        const ChildEntry e = list[i];
        std::size_t j = i;
        for (; j > 0 && depth[j - 1] < d; --j) {
            list[j] = list[j - 1];
            depth[j] = depth[j - 1];
        }
        list[j] = e;
        depth[j] = d;
    }
}

}  // namespace

void free_child_stack(ChildStack &stack)
{
    std::free(stack.entries);
    std::free(stack.depths);
    std::free(stack.buckets);
    stack = ChildStack{};
}

// Farther first; at equal depth the later child first: the same order as
// inserting each child in turn before the first entry that is not deeper than
// it. The children are kept last to first and sorted stably by depth, which
// gives that order without inserting into the middle of a long list.
long order_children(ChildStack &stack, const Star &galaxy, const Star *skip, const Viewpoint &vp)
{
    const std::size_t count = galaxy.childCount > 0 ? static_cast<std::size_t>(galaxy.childCount) : 0;
    // The kept children are gathered above the room for the ordered list.
    if (!grow(stack.entries, stack.capacity, stack.size + 2 * count) ||
        !grow(stack.depths, stack.depthCapacity, 2 * count) ||
        !grow(stack.buckets, stack.bucketCapacity, 2 * count + 1))
        return -1;
    const long base = static_cast<long>(stack.size);
    ChildEntry *list = stack.entries + base;
    ChildEntry *kept = list + count;
    double *keptDepth = stack.depths + count;
    std::size_t n = 0;
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
        const double d = order_depth(p.z);
        if (n == 0) {
            nearest = d;
            farthest = d;
        } else {
            nearest = d < nearest ? d : nearest;
            farthest = d > farthest ? d : farthest;
        }
        keptDepth[n] = d;
        kept[n++] = {p, child};
    }
    if (n > 0)
        bucket_sort(kept, keptDepth, list, stack.depths, stack.buckets, n, nearest, farthest);
    stack.size += n;
    return base;
}
