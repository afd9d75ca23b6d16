#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "render/children_order.h"
#include "tests/render/render_fixture.h"

namespace {

struct ChildOrder : RenderFixture {
    std::vector<Star> children;
    Star galaxy{};
    ChildStack stack{};

    void TearDown() override { free_child_stack(stack); }

    void add(StarKind kind, double depth)
    {
        Star s{};
        s.kind = kind;
        s.viewPosition = {0, 0, depth};
        children.push_back(s);
    }
    void finish()
    {
        galaxy.kind = STAR_GALAXY;
        galaxy.scanned = 1;
        galaxy.childCount = static_cast<int>(children.size());
        galaxy.children = children.data();
    }
    std::vector<long> order(long base)
    {
        std::vector<long> out;
        for (std::size_t i = static_cast<std::size_t>(base); i < stack.size; ++i)
            out.push_back(stack.entries[i].star - children.data());
        return out;
    }
};

// The list built one child at a time, each inserted before the first entry
// that is not deeper than it.
std::vector<long> insertion_order(const std::vector<Star> &children, const Viewpoint &vp)
{
    std::vector<std::pair<double, long>> list;
    for (std::size_t i = 0; i < children.size(); ++i) {
        Vec3 p;
        vec3_to_basis(p, children[i].viewPosition, vp.right, vp.up, vp.forward);
        if (!(p.z > 0) && children[i].kind == STAR_PLANET)
            continue;
        auto at = list.begin();
        while (at != list.end() && !(at->first <= p.z))
            ++at;
        list.insert(at, {p.z, static_cast<long>(i)});
    }
    std::vector<long> out;
    for (const auto &e : list)
        out.push_back(e.second);
    return out;
}

TEST_F(ChildOrder, FarthestFirstPlanetsBehindDropped)
{
    add(STAR_PLANET, 5);
    add(STAR_GALAXY, -1);
    add(STAR_WORMHOLE, 3);
    add(STAR_PLANET, -2);
    add(STAR_PLANET, 0);  // at depth 0 a planet is dropped too
    finish();
    const long base = order_children(stack, galaxy, nullptr, vp);
    EXPECT_EQ(order(base), (std::vector<long>{0, 2, 1}));
    EXPECT_DOUBLE_EQ(stack.entries[base + 1].position.z, 3);
}

TEST_F(ChildOrder, EqualDepthLaterChildFirstAndSkipLeftOut)
{
    add(STAR_PLANET, 2);
    add(STAR_PLANET, 2);
    add(STAR_GALAXY, 2);
    add(STAR_PLANET, 7);
    finish();
    const long base = order_children(stack, galaxy, &children[2], vp);
    EXPECT_EQ(order(base), (std::vector<long>{3, 1, 0}));
}

TEST_F(ChildOrder, DepthIsMeasuredAlongTheLineOfSight)
{
    // Looking along -x: a child at x = -4 is the farthest.
    vp.right = {0, 0, 1};
    vp.forward = {-1, 0, 0};
    add(STAR_PLANET, 0);
    children[0].viewPosition = {-4, 0, 0};
    add(STAR_PLANET, 0);
    children[1].viewPosition = {-1, 0, 9};
    add(STAR_PLANET, 0);
    children[2].viewPosition = {3, 0, 0};  // behind
    finish();
    const long base = order_children(stack, galaxy, nullptr, vp);
    EXPECT_EQ(order(base), (std::vector<long>{0, 1}));
    EXPECT_DOUBLE_EQ(stack.entries[base + 1].position.x, 9);
}

TEST_F(ChildOrder, SameOrderAsInsertionOnManyTies)
{
    std::mt19937 rng(7);
    for (int round = 0; round < 20; ++round) {
        children.clear();
        for (int i = 0; i < 300; ++i) {
            const StarKind kind = static_cast<StarKind>(rng() % 3);
            add(kind, static_cast<double>(static_cast<int>(rng() % 21) - 5) / 2);  // many equal depths
        }
        finish();
        const long base = order_children(stack, galaxy, nullptr, vp);
        EXPECT_EQ(order(base), insertion_order(children, vp));
        release_children(stack, base);
    }
}

TEST_F(ChildOrder, SameOrderWithEqualAndInfiniteDepths)
{
    const double inf = std::numeric_limits<double>::infinity();
    const std::vector<std::vector<double>> rounds = {
        {3, 3, 3, 3, 3},                    // all equal: reversed
        {1, inf, 2, -inf, 0.5, inf, -inf},  // infinite spans
        {-0.0, 0.0, -0.0, 1, -1},           // signed zeros are equal
        {1e300, -1e300, 1e-300, 5, 5},
    };
    for (const auto &depths : rounds) {
        children.clear();
        for (double z : depths)
            add(STAR_GALAXY, z);
        finish();
        const long base = order_children(stack, galaxy, nullptr, vp);
        EXPECT_EQ(order(base), insertion_order(children, vp));
        release_children(stack, base);
    }
}

TEST_F(ChildOrder, DepthThatIsNoNumberGoesLast)
{
    add(STAR_GALAXY, std::nan(""));
    add(STAR_WORMHOLE, 2);
    add(STAR_GALAXY, -3);
    add(STAR_PLANET, std::nan(""));  // a planet not known to be in front is dropped
    add(STAR_GALAXY, 4);
    finish();
    const long base = order_children(stack, galaxy, nullptr, vp);
    EXPECT_EQ(order(base), (std::vector<long>{4, 1, 2, 0}));
}

TEST_F(ChildOrder, NestedListsStackAndReleaseInTurn)
{
    add(STAR_PLANET, 1);
    add(STAR_PLANET, 2);
    finish();
    const long outer = order_children(stack, galaxy, nullptr, vp);
    const long inner = order_children(stack, galaxy, nullptr, vp);
    EXPECT_EQ(outer, 0);
    EXPECT_EQ(inner, 2);
    EXPECT_EQ(order(inner), (std::vector<long>{1, 0}));
    release_children(stack, inner);
    EXPECT_EQ(order(outer), (std::vector<long>{1, 0}));
    release_children(stack, outer);
    EXPECT_EQ(stack.size, 0u);

    Star empty{};
    empty.kind = STAR_GALAXY;
    EXPECT_EQ(order_children(stack, empty, nullptr, vp), 0);
    EXPECT_EQ(stack.size, 0u);
}

}  // namespace
