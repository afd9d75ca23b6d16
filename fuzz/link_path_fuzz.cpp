// Link targets of any bytes and any length: splitting keeps at most 63
// non-empty components in order, reads nothing past the text, and both the
// span galaxy and the resolved target are stars of the live tree.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "tests/universe/star_tree.h"
#include "universe/link_path.h"
#include "universe/universe.h"
#include "universe/wormholes.h"

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

Star star(const char *name, StarKind kind, const char *linkTarget = nullptr)
{
    Star s{};
    s.name = strdup(name);
    s.kind = kind;
    s.readable = 1;
    if (kind == STAR_GALAXY)
        s.path = strdup("/unused/");
    if (kind == STAR_WORMHOLE)
        s.linkComponents = make_link_components(linkTarget, std::strlen(linkTarget));
    return s;
}

using fixture::set_children;

void collect(Star *g, std::set<const Star *> &all)
{
    all.insert(g);
    if (g->kind != STAR_GALAXY || !g->scanned)
        return;
    for (int i = 0; i < g->childCount; ++i)
        collect(&g->children[i], all);
}

// The splitting rule written out plainly: a leading "/" is a component of its
// own, the rest is cut at every slash and empty pieces vanish.
std::vector<std::string> reference_components(const std::string &target)
{
    std::vector<std::string> parts;
    if (!target.empty() && target[0] == '/')
        parts.emplace_back("/");
    std::string piece;
    for (std::size_t i = target.empty() || target[0] != '/' ? 0 : 1; i <= target.size(); ++i) {
        if (i == target.size() || target[i] == '/') {
            if (!piece.empty())
                parts.push_back(piece);
            piece.clear();
        } else {
            piece += target[i];
        }
    }
    if (parts.size() > static_cast<std::size_t>(kMaxLinkComponents))
        parts.resize(kMaxLinkComponents);
    return parts;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const int home = data[0] % 3;  // the link lies in /, /a/ or /a/b/
    // The text as readlink leaves it: up to the first NUL, in a buffer of
    // exactly its size, so any read beyond it is caught.
    const std::string input(reinterpret_cast<const char *>(data + 1), size - 1);
    const std::string target = input.substr(0, input.find('\0'));
    char *text = static_cast<char *>(std::malloc(target.size() + 1));
    std::memcpy(text, target.c_str(), target.size() + 1);

    char **components = make_link_components(text, target.size());
    check(components != nullptr);
    const std::vector<std::string> expected = reference_components(target);
    std::size_t n = 0;
    for (; components[n] != nullptr; ++n)
        check(n < expected.size() && expected[n] == components[n]);
    check(n == expected.size());
    const Vec3 t = end_tangent(components);
    check(std::isfinite(t.x) && std::isfinite(t.y) && std::isfinite(t.z));
    check(std::fabs(vec3_length(t) - 1) < 1e-9);
    free_link_components(components);

    // A small scanned tree: /a/b/ with planets, an unscanned and an empty
    // galaxy, a planet named "..", and links among them; the fuzzed link
    // lies in /, /a/ or /a/b/.
    auto with_link = [&](int level, std::vector<Star> kids) {
        if (level == home)
            kids.push_back(star("link", STAR_WORMHOLE, text));
        return kids;
    };
    reset_root_galaxy();
    rootGalaxy.request = REQUEST_NONE;
    Star *top = set_children(rootGalaxy, with_link(0, {star("a", STAR_GALAXY), star("x", STAR_PLANET),
                                                star("e", STAR_GALAXY), star("w", STAR_WORMHOLE, "a/b")}));
    top[2].scanned = 1;
    Star *a = set_children(top[0], with_link(1, {star("b", STAR_GALAXY), star("..", STAR_PLANET),
                                          star("l", STAR_WORMHOLE, "/")}));
    set_children(a[0], with_link(2, {star("c", STAR_GALAXY), star("f", STAR_PLANET),
                                        star("b", STAR_WORMHOLE, "../b/f")}));
    Star *homes[3] = {&rootGalaxy, &top[0], &a[0]};
    Star *link = &homes[home]->children[homes[home]->childCount - 1];

    // The chain from the link's galaxy up to the root.
    Star *fullChain[3] = {&a[0], &top[0], &rootGalaxy};
    Star *const *chain = fullChain + (2 - home);
    Star *span = span_galaxy(chain, home, link->linkComponents);
    check(span == chain[0] || (home >= 1 && span == chain[1]) || (home == 2 && span == chain[2]));

    resolve_wormholes(&rootGalaxy);
    std::set<const Star *> all;
    collect(&rootGalaxy, all);
    check(link->target != nullptr && all.count(link->target) == 1);
    release_galaxy(&rootGalaxy);
    std::free(text);
    return 0;
}
