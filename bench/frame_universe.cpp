#include "bench/frame_universe.h"

#include <cmath>
#include <cstdint>

namespace {

struct Lcg {
    std::uint64_t state;
    double next()  // 0 <= x < 1
    {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(state >> 11) / 9007199254740992.0;
    }
    double between(double lo, double hi) { return lo + (hi - lo) * next(); }
};

Vec3 in_ball(Lcg &rng, double radius)
{
    for (;;) {
        const Vec3 p{rng.between(-1, 1), rng.between(-1, 1), rng.between(-1, 1)};
        if (vec3_length(p) <= 1)
            return {p.x * radius, p.y * radius, p.z * radius};
    }
}

Vec3 unit(Lcg &rng)
{
    Vec3 v = in_ball(rng, 1);
    vec3_formalize(v);
    return v;
}

char *name_for(FrameUniverse &u, Lcg &rng)
{
    std::string &n = u.names.emplace_back();
    const int len = 3 + static_cast<int>(rng.next() * 10);
    for (int i = 0; i < len; ++i)
        n += static_cast<char>('a' + static_cast<int>(rng.next() * 26));
    return n.data();
}

void ring_axes(Lcg &rng, Star &g)
{
    g.axis1 = unit(rng);
    Vec3 other = unit(rng);
    vec3_cross(g.axis2, g.axis1, other);
    vec3_formalize(g.axis2);
}

}  // namespace

void build_frame_universe(FrameUniverse &u, int galaxies, int starsPerGalaxy)
{
    Lcg rng{12345};
    u.rootChildren.assign(static_cast<std::size_t>(galaxies), Star{});
    u.contents.assign(static_cast<std::size_t>(galaxies), std::vector<Star>(static_cast<std::size_t>(starsPerGalaxy)));
    rootGalaxy = Star{};
    rootGalaxy.name = const_cast<char *>("");
    rootGalaxy.kind = STAR_GALAXY;
    rootGalaxy.readable = 1;
    rootGalaxy.size = 1;
    rootGalaxy.scanned = 1;
    rootGalaxy.axis1 = {1, 0, 0};
    rootGalaxy.axis2 = {0, 0, 1};
    rootGalaxy.childCount = galaxies;
    rootGalaxy.children = u.rootChildren.data();
    for (int g = 0; g < galaxies; ++g) {
        Star &gal = u.rootChildren[static_cast<std::size_t>(g)];
        gal.name = name_for(u, rng);
        gal.kind = STAR_GALAXY;
        gal.readable = 1;
        gal.colorSeed = gal.name[0];
        gal.position = in_ball(rng, 0.7);
        gal.size = rng.between(0.12, 0.2);
        gal.parent = &rootGalaxy;
        gal.scanned = 1;
        ring_axes(rng, gal);
        gal.childCount = starsPerGalaxy;
        gal.children = u.contents[static_cast<std::size_t>(g)].data();
    }
    for (int g = 0; g < galaxies; ++g) {
        Star &gal = u.rootChildren[static_cast<std::size_t>(g)];
        for (int i = 0; i < starsPerGalaxy; ++i) {
            Star &s = gal.children[i];
            s.name = name_for(u, rng);
            s.readable = rng.next() < 0.9 ? 1 : 0;
            s.colorSeed = static_cast<signed char>(s.name[0]);
            s.position = in_ball(rng, 0.9);
            s.parent = &gal;
            if (i % 32 == 31) {  // 8 unscanned galaxies
                s.kind = STAR_GALAXY;
                s.size = rng.between(0.04, 0.08);
                ring_axes(rng, s);
            } else if (i % 32 == 30 && galaxies > 1) {  // 8 wormholes into another galaxy
                s.kind = STAR_WORMHOLE;
                s.readable = 1;
                s.size = 0.01;
                const int other = (g + 1 + static_cast<int>(rng.next() * (galaxies - 1))) % galaxies;
                s.target = &u.rootChildren[static_cast<std::size_t>(other)].children[i / 2];
                s.spanGalaxy = &rootGalaxy;
                s.startTangent = unit(rng);
                s.endTangent = unit(rng);
            } else {
                s.kind = STAR_PLANET;
                s.size = std::pow(10.0, rng.between(-2.3, -1.2));
                s.fileSize = 1000;
            }
        }
    }
}
