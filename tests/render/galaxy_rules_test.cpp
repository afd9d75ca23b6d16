#include <gtest/gtest.h>

#include "render/galaxy_rules.h"
#include "tests/render/render_fixture.h"

namespace {

using EntryMark = RenderFixture;

TEST_F(EntryMark, ChildOfTheCurrentGalaxyCloserThanFourFifths)
{
    Star child = make_galaxy(&rootGalaxy, {0.1, -0.2, 0.2}, 0.5);
    mark_for_entry(&child, 0.3);
    EXPECT_EQ(renderContext.enterGalaxy, &child);
    EXPECT_EQ(renderContext.enterScale, 0.5);
    EXPECT_DOUBLE_EQ(renderContext.enterPosition.x, -0.2);
    EXPECT_DOUBLE_EQ(renderContext.enterPosition.y, 0.4);
    EXPECT_DOUBLE_EQ(renderContext.enterPosition.z, -0.4);

    renderContext.enterGalaxy = nullptr;
    Star edge = make_galaxy(&rootGalaxy, {0, 0, 0.4}, 0.5);
    mark_for_entry(&edge, 0.4);  // not closer than 0.4
    EXPECT_EQ(renderContext.enterGalaxy, nullptr);

    Star grandchild = make_galaxy(&child, {0, 0, 0.01}, 0.5);
    mark_for_entry(&grandchild, 0.01);
    EXPECT_EQ(renderContext.enterGalaxy, nullptr);
}

TEST_F(EntryMark, LastQualifyingGalaxyStaysMarked)
{
    Star first = make_galaxy(&rootGalaxy, {0, 0, 0.1}, 0.5);
    Star second = make_galaxy(&rootGalaxy, {0, 0, 0.2}, 1.0);
    mark_for_entry(&first, 0.1);
    mark_for_entry(&second, 0.2);
    EXPECT_EQ(renderContext.enterGalaxy, &second);
    EXPECT_EQ(renderContext.enterScale, 1.0);
    EXPECT_DOUBLE_EQ(renderContext.enterPosition.z, -0.2);
}

TEST(Requests, ScanAboveAndReleaseBelowOneTwentieth)
{
    renderContext = RenderContext{};  // no deeper stack level
    Star parent{};
    struct Case {
        int scanned;
        StarRequest before;
        double size;
        StarRequest after;
        bool contents;
    } cases[] = {
        {0, REQUEST_NONE, 0.06, REQUEST_SCAN, false},
        {0, REQUEST_NONE, 0.05, REQUEST_NONE, false},
        {0, REQUEST_NONE, 0.01, REQUEST_NONE, false},
        {0, REQUEST_RELEASE, 0.5, REQUEST_RELEASE, false},  // a pending request stays
        {1, REQUEST_NONE, 0.04, REQUEST_RELEASE, false},
        {1, REQUEST_NONE, 0.05, REQUEST_NONE, true},
        {1, REQUEST_NONE, 0.5, REQUEST_NONE, true},
        {1, REQUEST_SCAN, 0.04, REQUEST_SCAN, true},
    };
    for (const Case &c : cases) {
        Star g = make_galaxy(&parent, {0, 0, 1}, 0.1);
        g.scanned = c.scanned;
        g.request = c.before;
        EXPECT_EQ(post_request(g, c.size), c.contents) << c.scanned << " " << c.size;
        EXPECT_EQ(g.request, c.after) << c.scanned << " " << c.size;
    }
}

TEST(Requests, GalaxyHoldingTheNextStackLevelIsNotReleased)
{
    renderContext = RenderContext{};
    Star parent{};
    Star g = make_galaxy(&parent, {0, 0, 30}, 1);
    g.scanned = 1;
    Star deeper = make_galaxy(&g, {0, 0, 300}, 1);
    Star other = make_galaxy(&parent, {0, 0, 300}, 1);
    renderContext.skipGalaxy = &deeper;  // g is drawn as a level below the current one
    EXPECT_TRUE(post_request(g, 0.01));
    EXPECT_EQ(g.request, REQUEST_NONE);
    renderContext.skipGalaxy = &other;  // a deeper level elsewhere does not hold it
    EXPECT_FALSE(post_request(g, 0.01));
    EXPECT_EQ(g.request, REQUEST_RELEASE);
    renderContext.skipGalaxy = nullptr;
}

TEST(Requests, RootIsNeverReleased)
{
    renderContext = RenderContext{};
    const Star saved = rootGalaxy;
    rootGalaxy.scanned = 1;
    rootGalaxy.request = REQUEST_NONE;
    EXPECT_TRUE(post_request(rootGalaxy, 0.01));
    EXPECT_EQ(rootGalaxy.request, REQUEST_NONE);
    rootGalaxy = saved;
}

}  // namespace
