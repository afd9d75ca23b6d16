#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/universe/universe_fixture.h"
#include "universe/wormholes.h"

namespace {

using fixture::child;

struct LinkCase {
    const char *target;
    std::vector<std::string> leadsTo;  // names from the root; {} is the root
};

// The tree:  / { etc/ { hosts }, p/ { x, u/ (not scanned), q/ { b, other -> b, links } } }
const LinkCase kLinkCases[] = {
    {"/", {}},
    {"/etc/hosts", {"etc", "hosts"}},
    {"/../etc", {"etc"}},                       // ".." at the root stays there
    {"../../../../etc", {"etc"}},
    {"../x", {"p", "x"}},
    {"../nox", {"p"}},                          // dangling: the deepest galaxy reached
    {"/nope/p", {"p"}},                         // an unmatched name does not end the walk
    {"a/b", {"p", "q", "b"}},
    {".hidden/b", {"p", "q", "b"}},
    {"./b", {"p", "q", "b"}},
    {"../u/file", {"p", "u"}},                  // stops at a galaxy not scanned
    {"/etc/hosts/more", {"etc", "hosts"}},      // stops at a planet
    {"../x/..", {"p", "x"}},
    {"other", {"p", "q", "other"}},             // a link leads to the link's own star
    {"/p/q/other/b", {"p", "q", "other"}},      // and is not followed
    {"", {"p", "q"}},                           // no component: the link's galaxy
};

Star *find(const std::vector<std::string> &names)
{
    Star *s = &rootGalaxy;
    for (const std::string &n : names) {
        s = child(*s, n);
        if (s == nullptr)
            return nullptr;
    }
    return s;
}

TEST(Wormholes, WalkFollowsTheScannedTree)
{
    fixture::RootScope root;
    fixture::set_children(rootGalaxy, {fixture::galaxy("etc"), fixture::galaxy("p")});
    fixture::set_children(rootGalaxy.children[0], {fixture::planet("hosts")});
    Star &p = rootGalaxy.children[1];
    fixture::set_children(p, {fixture::planet("x"), fixture::galaxy("u"), fixture::galaxy("q")});
    std::vector<Star> qKids = {fixture::planet("b"), fixture::wormhole("other", "b")};
    for (std::size_t i = 0; i < std::size(kLinkCases); ++i)
        qKids.push_back(fixture::wormhole(("l" + std::to_string(i)).c_str(), kLinkCases[i].target));
    fixture::set_children(p.children[2], qKids);

    resolve_wormholes(&rootGalaxy);
    const Star &q = p.children[2];
    for (std::size_t i = 0; i < std::size(kLinkCases); ++i) {
        SCOPED_TRACE(kLinkCases[i].target);
        const Star *expected = find(kLinkCases[i].leadsTo);
        ASSERT_NE(expected, nullptr);
        EXPECT_EQ(child(q, "l" + std::to_string(i))->target, expected);
    }
    EXPECT_EQ(child(q, "other")->target, child(q, "b"));

    // Released, etc/ catches every link that led into it; scanned again, the
    // links lead back in.
    release_galaxy(&rootGalaxy.children[0]);
    resolve_wormholes(&rootGalaxy);
    EXPECT_EQ(child(q, "l1")->target, &rootGalaxy.children[0]);
    fixture::set_children(rootGalaxy.children[0], {fixture::planet("hosts")});
    resolve_wormholes(&rootGalaxy);
    EXPECT_EQ(child(q, "l1")->target, find({"etc", "hosts"}));
}

TEST(Wormholes, LoopsAndChainsOfLinksEndAtTheNextLink)
{
    fixture::TempDir dir("loops");
    fixture::make_link("loopB", dir / "loopA");
    fixture::make_link("loopA", dir / "loopB");
    fixture::make_link("self", dir / "self");
    constexpr int kChain = 40;
    for (int i = 0; i < kChain; ++i)
        fixture::make_link("c" + std::to_string(i + 1), dir / ("c" + std::to_string(i)));
    fixture::make_file(dir / ("c" + std::to_string(kChain)));

    fixture::FixtureGalaxy g(dir.path());
    scan_dir(&g.star);
    resolve_wormholes(&g.star);
    EXPECT_EQ(child(g.star, "loopA")->target, child(g.star, "loopB"));
    EXPECT_EQ(child(g.star, "loopB")->target, child(g.star, "loopA"));
    EXPECT_EQ(child(g.star, "self")->target, child(g.star, "self"));
    for (int i = 0; i < kChain; ++i)
        EXPECT_EQ(child(g.star, "c" + std::to_string(i))->target,
                  child(g.star, "c" + std::to_string(i + 1)));
}

}  // namespace
