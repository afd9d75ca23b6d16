// Star placement from arbitrary names, sizes and modes, fitted as one galaxy:
// every position, size, axis and tangent is finite, sizes stay within the
// envelope, and a galaxy's ring axes stay orthonormal.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "universe/entry_kind.h"
#include "universe/placement.h"
#include "universe/star.h"

namespace {

constexpr int kMaxEntries = 256;

void check(bool ok)
{
    if (!ok)
        std::abort();
}

bool finite(const Vec3 &v)
{
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

bool unit(const Vec3 &v)
{
    return std::fabs(vec3_length(v) - 1) < 1e-9;
}

// Reads n bytes as an unsigned number, little end first; missing bytes are 0.
std::uint64_t take(const std::uint8_t *&p, const std::uint8_t *end, int n)
{
    std::uint64_t v = 0;
    for (int i = 0; i < n && p < end; ++i)
        v |= static_cast<std::uint64_t>(*p++) << (8 * i);
    return v;
}

}  // namespace

// Input: one byte whose low bit says whether the galaxy is the root, then
// entries of a 4-byte mode, an 8-byte size, a length byte and that many name
// bytes (a name ends early at a NUL; empty names are not entries).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static Star stars[kMaxEntries];
    const std::uint8_t *p = data;
    const std::uint8_t *end = data + size;
    const bool inRoot = take(p, end, 1) & 1;
    int n = 0;
    GalaxyEnvelope envelope;
    while (p < end && n < kMaxEntries) {
        const auto mode = static_cast<mode_t>(take(p, end, 4));
        const auto fileSize = static_cast<std::int64_t>(take(p, end, 8));
        const std::size_t length = take(p, end, 1);
        std::string name(reinterpret_cast<const char *>(p), std::min<std::size_t>(length, end - p));
        p += name.size();
        name = name.substr(0, name.find('\0'));
        StarKind kind;
        if (name.empty() || !classify_entry(mode, inRoot, kind))
            continue;
        Star &s = stars[n++];
        s = Star{};
        s.kind = kind;
        const NameMetrics m = name_metrics(name.c_str());
        place_star(s, m, fileSize);
        envelope.include(s.size, m.distance);
    }
    fit_stars(stars, n, envelope);
    for (int i = 0; i < n; ++i) {
        const Star &s = stars[i];
        check(finite(s.position));
        check(std::isfinite(s.size) && s.size > 0 && s.size <= 0.05 * (1 + 1e-12));
        if (s.kind == STAR_GALAXY) {
            check(finite(s.axis1) && finite(s.axis2) && unit(s.axis1) && unit(s.axis2));
            check(std::fabs(vec3_dot(s.axis1, s.axis2)) < 1e-9);
        }
        if (s.kind == STAR_WORMHOLE)
            check(finite(s.startTangent) && unit(s.startTangent));
    }
    return 0;
}
