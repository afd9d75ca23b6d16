// The galaxy stack against the request pass: a frame drawn at a speed that
// leaves several nested galaxies at once, followed by the pass that frees
// what looked small. The stack leaves one level per frame, so every level
// still on it must keep pointing into live records.

#include <gtest/gtest.h>

#include <X11/IntrinsicP.h>

#include "navigation/scene_place.h"
#include "render/trig_tables.h"
#include "tests/e2e/xt_app.h"
#include "tests/universe/universe_fixture.h"
#include "universe/universe.h"
#include "widget/MainScreenP.h"
#include "widget/surfaces.h"

namespace {

using fixture::galaxy;
using fixture::planet;
using fixture::set_children;

// Level i's galaxy is a record of level i - 1's galaxy's live children array.
// Only level i - 1's galaxy is dereferenced, so a broken link is reported
// rather than read.
void expect_stack_live(const Viewpoint &vp)
{
    ASSERT_EQ(vp.levels[0].galaxy, &rootGalaxy);
    for (int i = 1; i <= vp.depth; ++i) {
        const Star *parent = vp.levels[i - 1].galaxy;
        const Star *g = vp.levels[i].galaxy;
        ASSERT_TRUE(parent->scanned) << "level " << i - 1 << " was released under level " << i;
        ASSERT_TRUE(g >= parent->children && g < parent->children + parent->childCount) << "level " << i;
    }
}

struct StackRelease : testing::Test {
    // The pass leaves the widget as the scans' notice target.
    void TearDown() override { scanMessageWidget = nullptr; }
};

TEST_F(StackRelease, GalaxiesHoldingDeeperLevelsAreKeptUntilTheViewerHasLeftThem)
{
    init_trig_tables();
    fixture::RootScope root;
    e2e::XtApp app;
    Widget w = app.create_screen(640, 480);
    MainScreenPart &ms = screen_part(w);
    build_surfaces(w);

    // root > a > b > c > p, each galaxy a tenth of its parent, all centred on
    // the same point.
    set_children(rootGalaxy, {galaxy("a")});
    Star &a = rootGalaxy.children[0];
    set_children(a, {galaxy("b")});
    Star &b = a.children[0];
    set_children(b, {galaxy("c")});
    Star &c = b.children[0];
    set_children(c, {planet("p")});
    for (Star *g : {&a, &b, &c}) {
        g->size = 0.1;
        g->axis1 = {1, 0, 0};
        g->axis2 = {0, 1, 0};
    }
    c.children[0].size = 0.1;

    // The viewer entered c and then flew straight back out so fast that it is
    // now 30 radii of a behind their common centre, still looking at it: a, b
    // and c all look smaller than a twentieth.
    Viewpoint &vp = ms.viewpoint;
    vp.levels[0].position = {0, 0, -3};
    vp.levels[1] = {0.1, 0.1, &a, {0, 0, -30}};
    vp.levels[2] = {0.1, 0.01, &b, {0, 0, -300}};
    vp.levels[3] = {0.1, 0.001, &c, {0, 0, -3000}};
    vp.depth = 3;
    ms.velocity = 1;

    for (int frame = 3; frame > 0; --frame) {
        ASSERT_EQ(vp.depth, frame);
        scene_place(w, vp);
        update_universe(w);
        // One level is left per frame; the galaxy just left is released.
        EXPECT_EQ(vp.depth, frame - 1);
        expect_stack_live(vp);
        if (HasFatalFailure())
            return;
    }
    EXPECT_FALSE(a.scanned);  // released once it was no longer entered
    EXPECT_DOUBLE_EQ(ms.velocity, 0.001);
    scene_place(w, vp);
    update_universe(w);
    EXPECT_EQ(vp.depth, 0);
}

}  // namespace
