// The scene drawn by a real MainScreen widget into its pixmap, over small
// hand-made universes, read back from the window.

#include <gtest/gtest.h>

#include <X11/IntrinsicP.h>

#include <vector>

#include "navigation/scene_place.h"
#include "render/trig_tables.h"
#include "tests/e2e/harness.h"
#include "tests/e2e/xt_app.h"
#include "universe/universe.h"
#include "widget/MainScreenP.h"
#include "widget/surfaces.h"

namespace {

using e2e::Image;
using e2e::rgb_of;

Star make_star(StarKind kind, const char *name, Vec3 position, double size, Star *parent)
{
    Star s{};
    s.name = const_cast<char *>(name);
    s.kind = kind;
    s.readable = 1;
    s.colorSeed = static_cast<signed char>(name[0]);
    s.position = position;
    s.size = size;
    s.parent = parent;
    if (kind == STAR_GALAXY) {
        s.axis1 = {1, 0, 0};
        s.axis2 = {0, 1, 0};  // facing the viewer
    }
    return s;
}

void hold(Star &galaxy, std::vector<Star> &children)
{
    galaxy.scanned = 1;
    galaxy.childCount = static_cast<int>(children.size());
    galaxy.children = children.data();
    for (Star &c : children)
        c.parent = &galaxy;
}

int count_in(const Image &img, std::uint32_t rgb, int x0, int y0, int x1, int y1)
{
    int n = 0;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            n += x >= 0 && y >= 0 && x < img.width && y < img.height && img.at(x, y) == rgb;
    return n;
}

class Scene : public testing::Test {
protected:
    void SetUp() override
    {
        init_trig_tables();
        reset_root_galaxy();
        rootGalaxy.request = REQUEST_NONE;
        w = app.create_screen(640, 480);
        ms = &screen_part(w);
        build_surfaces(w);
        dpy = app.display();
        background = rgb_of(dpy, "rgb:0/0/2");
        blue = rgb_of(dpy, "blue");
        white = rgb_of(dpy, "white");
        gray = rgb_of(dpy, "gray");
        cyan = rgb_of(dpy, "cyan");
        green = rgb_of(dpy, "green");
    }
    void TearDown() override
    {
        // The records belong to the test, not to the tree: detach them first.
        rootGalaxy.scanned = 0;
        rootGalaxy.childCount = 0;
        rootGalaxy.children = nullptr;
        reset_root_galaxy();
    }

    // One frame of the scene alone, shown on the window and read back.
    Image frame()
    {
        XFillRectangle(dpy, ms->pixmap, ms->backgroundGC, 0, 0, 640, 480);
        scene_place(w, ms->viewpoint);
        surfaces_expose(w, nullptr, nullptr);
        XSync(dpy, False);
        return e2e::grab(dpy, XtWindow(w));
    }
    void cursor_at(int x, int y)
    {
        ms->cursorDx = x - 320;
        ms->cursorDy = y - 240;
    }

    e2e::XtApp app;
    Widget w = nullptr;
    MainScreenPart *ms = nullptr;
    Display *dpy = nullptr;
    std::uint32_t background = 0, blue = 0, white = 0, gray = 0, cyan = 0, green = 0;
};

TEST_F(Scene, FirstFrameShowsTheRootRingAsAnEyeLevelLine)
{
    const Image img = frame();
    // Two radii behind the root's centre, its ring lies in the eye plane: a
    // line through the centre row, two pixels wide (the current galaxy's width).
    EXPECT_EQ(img.at(64, 240), blue);
    EXPECT_EQ(img.at(320, 240), blue);
    EXPECT_EQ(img.at(576, 240), blue);
    EXPECT_EQ(img.at(58, 240), background);
    EXPECT_EQ(img.at(582, 240), background);
    EXPECT_EQ(count_in(img, blue, 150, 230, 150, 250), 2);
    EXPECT_EQ(count_in(img, blue, 0, 0, 639, 479), count_in(img, blue, 0, 238, 639, 241));
    EXPECT_EQ(ms->pickedStar, &rootGalaxy);  // the cursor at the centre lies inside its circle
    EXPECT_EQ(ms->viewpoint.depth, 0);
}

TEST_F(Scene, PlanetsGalaxiesAndWormholesInTheirColours)
{
    std::vector<Star> stars;
    stars.push_back(make_star(STAR_PLANET, "a", {0.25, 0.2, 0}, 0.05, nullptr));      // 0: R 15
    stars.push_back(make_star(STAR_PLANET, "\xff", {-0.25, 0.2, 0}, 0.0105, nullptr));  // 1: R 3
    stars.push_back(make_star(STAR_GALAXY, "g", {-0.4, -0.3, 0}, 0.15, nullptr));     // 2
    stars.push_back(make_star(STAR_WORMHOLE, "w", {0.3, -0.3, 0}, 0.01, nullptr));    // 3: R 3
    stars.push_back(make_star(STAR_WORMHOLE, "x", {-0.1, 0.35, 0}, 0.02, nullptr));   // 4: R 6
    hold(rootGalaxy, stars);
    Star &planet = stars[0], &small = stars[1], &galaxy = stars[2], &link = stars[3];
    link.target = &planet;
    link.spanGalaxy = &rootGalaxy;
    link.startTangent = {0, 1, 0};
    link.endTangent = {0, 1, 0};

    cursor_at(376, 195);
    const Image img = frame();

    // Planet "a" (seed 97, the second inner colour) round (376, 195), radius 15,
    // with a background rim and its label above it.
    const std::uint32_t orange = rgb_of(dpy, "orange");
    EXPECT_EQ(img.at(376, 195), orange);
    EXPECT_EQ(img.at(376 + 12, 195), orange);
    EXPECT_EQ(img.at(376 + 15, 195), background);
    EXPECT_EQ(img.at(376 + 17, 195), background);
    EXPECT_GT(count_in(img, white, 356, 168, 396, 180), 5);
    EXPECT_EQ(ms->pickedStar, &planet);

    // A name whose first byte is 0xff (seed -1) takes the last colour; radius 3: no label.
    EXPECT_EQ(img.at(264, 195), rgb_of(dpy, "red"));
    EXPECT_EQ(count_in(img, white, 244, 175, 284, 191), 0);
    (void)small;

    // The galaxy: a gray ring (seed 103) through (264, 307), a label at its centre,
    // and a scan request for an apparent size of 0.07.
    EXPECT_EQ(img.at(264, 307), gray);
    EXPECT_EQ(img.at(230, 290), background);  // a ring, not a disc
    EXPECT_GT(count_in(img, white, 210, 296, 250, 307), 3);
    EXPECT_EQ(galaxy.request, REQUEST_SCAN);

    // Wormhole "w": a green circle of radius 3 round (387, 307), no label, and
    // its curve up to the planet.
    EXPECT_GT(count_in(img, green, 383, 303, 391, 311), 6);
    EXPECT_EQ(count_in(img, white, 367, 290, 407, 307), 0);
    EXPECT_GT(count_in(img, green, 370, 215, 400, 290), 30);
    // Wormhole "x" without a target: circle of radius 6 and a label through its centre.
    EXPECT_GT(count_in(img, green, 290, 155, 310, 175), 10);
    EXPECT_GT(count_in(img, white, 285, 155, 315, 165), 3);
}

TEST_F(Scene, PickingPrefersTheLastStarDrawn)
{
    std::vector<Star> stars;
    stars.push_back(make_star(STAR_GALAXY, "g", {-0.4, -0.3, 0}, 0.15, nullptr));
    hold(rootGalaxy, stars);
    cursor_at(232, 305);  // inside the galaxy's circle, far from the root's centre
    frame();
    EXPECT_EQ(ms->pickedStar, &stars[0]);
    cursor_at(320, 100);
    frame();
    EXPECT_EQ(ms->pickedStar, &rootGalaxy);
    cursor_at(639, 0);  // outside every circle
    frame();
    EXPECT_EQ(ms->pickedStar, nullptr);
}

TEST_F(Scene, CulledGalaxyDrawsOnlyItsContents)
{
    // A big galaxy to the right, its centre outside the view cone, with a
    // planet inside it that is in view.
    std::vector<Star> stars;
    stars.push_back(make_star(STAR_GALAXY, "b", {3, 0, 0}, 2, nullptr));
    hold(rootGalaxy, stars);
    std::vector<Star> inside;
    inside.push_back(make_star(STAR_PLANET, "a", {-1.3, 0.1, 0}, 0.01, nullptr));
    hold(stars[0], inside);
    cursor_at(600, 100);
    const Image img = frame();
    EXPECT_EQ(img.at(409, 195), rgb_of(dpy, "orange"));
    EXPECT_EQ(count_in(img, cyan, 0, 0, 639, 479), 0);  // no ring of its own
    EXPECT_EQ(ms->pickedStar, &rootGalaxy);              // and never picked
    EXPECT_EQ(stars[0].request, REQUEST_NONE);
}

TEST_F(Scene, OnlyTheCurrentGalaxysRingIsWideEvenOnAGcItShares)
{
    // Inside galaxy "c" (level 1, viewer 2.5 of its radii in front of it), whose
    // child "k" takes the same inner colour and so the same GC.
    std::vector<Star> stars;
    stars.push_back(make_star(STAR_GALAXY, "c", {0, 0, 0.5}, 0.5, nullptr));
    hold(rootGalaxy, stars);
    std::vector<Star> inside;
    inside.push_back(make_star(STAR_GALAXY, "k", {0, 0, 0}, 0.3, nullptr));
    hold(stars[0], inside);
    Viewpoint &vp = ms->viewpoint;
    vp.levels[0].position = {0, 0, 0.5 - 1.25};
    vp.depth = 1;
    vp.levels[1] = {0.5, 0.5, &stars[0], {0, 0, -2.5}};
    ms->velocity = 3;

    const Image img = frame();
    // Ring tops: "c" at about row 61, "k" at about row 187; measured off the vertex.
    const int wide = count_in(img, gray, 340, 50, 340, 75);
    const int thin = count_in(img, gray, 335, 175, 335, 200);
    EXPECT_GE(wide, 2);
    EXPECT_LE(wide, 3);
    EXPECT_EQ(thin, 1);
    EXPECT_EQ(inside[0].request, REQUEST_SCAN);
    // The root, which the viewer is inside, lies on the outer side: its ring
    // is a thin line at eye level.
    EXPECT_EQ(count_in(img, blue, 100, 230, 100, 250), 1);

    // 2.5 radii out: the level is left after the frame and the speed kept.
    EXPECT_EQ(vp.depth, 0);
    EXPECT_DOUBLE_EQ(ms->velocity, 1.5);
}

TEST_F(Scene, ComingCloseToAChildGalaxyEntersIt)
{
    std::vector<Star> stars;
    stars.push_back(make_star(STAR_GALAXY, "e", {0, 0, -1.8}, 0.5, nullptr));
    hold(rootGalaxy, stars);
    ms->velocity = 2;
    frame();
    Viewpoint &vp = ms->viewpoint;
    ASSERT_EQ(vp.depth, 1);
    EXPECT_EQ(vp.levels[1].galaxy, &stars[0]);
    EXPECT_DOUBLE_EQ(vp.levels[1].scale, 0.5);
    EXPECT_DOUBLE_EQ(vp.levels[1].position.z, -0.4);
    EXPECT_DOUBLE_EQ(ms->velocity, 1.0);
    // The next frame draws from inside it and leaves nothing marked.
    frame();
    EXPECT_EQ(vp.depth, 1);
}

TEST_F(Scene, PlanetSeenFromVeryCloseCoversTheWindow)
{
    std::vector<Star> stars;
    stars.push_back(make_star(STAR_PLANET, "a", {0, 0, -1.9999}, 0.05, nullptr));
    hold(rootGalaxy, stars);
    const Image img = frame();  // a radius of 320000 would overflow the request
    const std::uint32_t orange = rgb_of(dpy, "orange");
    EXPECT_EQ(img.at(0, 0), orange);
    EXPECT_EQ(img.at(639, 479), orange);
    EXPECT_EQ(img.at(320, 100), orange);
    EXPECT_EQ(ms->pickedStar, &stars[0]);
}

TEST_F(Scene, GalaxyCentredOnTheViewerHasNoLabelAndIsNotPicked)
{
    // The viewer stands exactly at the centre: that centre has no place on
    // the screen, so neither the label nor the pick test uses it.
    std::vector<Star> stars;
    stars.push_back(make_star(STAR_GALAXY, "g", {0, 0, -2}, 0.5, nullptr));
    stars[0].axis2 = {0, 0, 1};  // a ring at eye level, half of it ahead
    hold(rootGalaxy, stars);
    const Image img = frame();
    EXPECT_EQ(ms->pickedStar, &rootGalaxy);
    EXPECT_EQ(count_in(img, white, 0, 0, 100, 100), 0);
    // Its ring runs past both sides of the window, beyond the root's line.
    EXPECT_GT(count_in(img, gray, 0, 235, 50, 245), 40);
    EXPECT_GT(count_in(img, gray, 590, 235, 639, 245), 40);
    EXPECT_EQ(ms->viewpoint.depth, 1);                     // and it is entered
}

TEST_F(Scene, LabelsFollowTheShowLabelSwitch)
{
    std::vector<Star> stars;
    stars.push_back(make_star(STAR_PLANET, "a", {0.25, 0.2, 0}, 0.05, nullptr));
    stars.push_back(make_star(STAR_GALAXY, "g", {-0.4, -0.3, 0}, 0.15, nullptr));
    hold(rootGalaxy, stars);
    EXPECT_GT(count_in(frame(), white, 0, 0, 639, 479), 10);
    ms->showLabel = False;
    const Image img = frame();
    EXPECT_EQ(count_in(img, white, 0, 0, 639, 479), 0);
    EXPECT_EQ(img.at(376, 195), rgb_of(dpy, "orange"));  // the stars themselves stay
}

}  // namespace
