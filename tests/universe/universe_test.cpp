#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/universe/universe_fixture.h"
#include "universe/universe.h"

namespace {

using fixture::child;
using fixture::NoticeRecorder;

TEST(Universe, StartUpScansTheRootSilently)
{
    NoticeRecorder notices;
    scanMessageWidget = fixture::fake_widget();  // left over from nothing: must not be used
    init_universe();

    EXPECT_EQ(scanMessageWidget, nullptr);
    EXPECT_TRUE(NoticeRecorder::calls().empty());
    EXPECT_STREQ(rootGalaxy.name, "");
    EXPECT_STREQ(rootGalaxy.path, "/");
    EXPECT_EQ(rootGalaxy.kind, STAR_GALAXY);
    EXPECT_EQ(rootGalaxy.parent, nullptr);
    EXPECT_EQ(rootGalaxy.size, 1);
    EXPECT_EQ(rootGalaxy.request, REQUEST_NONE);
    EXPECT_EQ(rootGalaxy.scanned, 1);
    EXPECT_GT(rootGalaxy.childCount, 0);
    const Star *etc = child(rootGalaxy, "etc");
    ASSERT_NE(etc, nullptr);
    EXPECT_EQ(etc->kind, STAR_GALAXY);
    EXPECT_STREQ(etc->path, "/etc/");
    for (int i = 0; i < rootGalaxy.childCount; ++i) {
        const Star &s = rootGalaxy.children[i];
        SCOPED_TRACE(s.name);
        EXPECT_NE(s.kind, STAR_PLANET);  // the root shows no plain files
        EXPECT_NE(s.name[0], '.');
        if (s.kind == STAR_WORMHOLE) {
            EXPECT_NE(s.target, nullptr);  // resolved before the first frame
        }
    }
    release_galaxy(&rootGalaxy);
}

// Snapshot of a galaxy's stars, with every double written exactly.
std::string describe(const Star &g)
{
    std::string out;
    char line[512];
    auto vec = [&](const Vec3 &v) {
        std::snprintf(line, sizeof line, " (%a %a %a)", v.x, v.y, v.z);
        out += line;
    };
    for (int i = 0; i < g.childCount; ++i) {
        const Star &s = g.children[i];
        std::snprintf(line, sizeof line, "%s kind=%d readable=%d seed=%d size=%a", s.name, s.kind,
                      s.readable, s.colorSeed, s.size);
        out += line;
        vec(s.position);
        if (s.kind == STAR_GALAXY) {
            out += std::string(" path=") + s.path;
            vec(s.axis1);
            vec(s.axis2);
        } else if (s.kind == STAR_PLANET) {
            out += " bytes=" + std::to_string(s.fileSize);
        } else {
            for (char **c = s.linkComponents; *c != nullptr; ++c)
                out += std::string(" [") + *c + "]";
            out += std::string(" span=") + s.spanGalaxy->name;
            vec(s.startTangent);
            vec(s.endTangent);
        }
        out += "\n";
    }
    return out;
}

TEST(Universe, ReleaseAndRescanGiveTheSameStars)
{
    fixture::TempDir dir("cycle");
    fixture::make_file(dir / "notes", 50000);
    fixture::make_file(dir / "\xe9t\xe9");
    fixture::make_dir(dir / "sub");
    fixture::make_file(dir / "sub/inner");
    fixture::make_link("/etc/hosts", dir / "abs");
    fixture::make_link("sub/inner", dir / "rel");

    fixture::FixtureGalaxy g(dir.path());
    scan_dir(&g.star);
    const std::string first = describe(g.star);
    ASSERT_EQ(g.star.childCount, 5);

    universeChanged = false;
    release_galaxy(&g.star);
    EXPECT_TRUE(universeChanged);
    EXPECT_EQ(g.star.scanned, 0);
    EXPECT_EQ(g.star.childCount, 0);
    EXPECT_EQ(g.star.children, nullptr);
    EXPECT_EQ(g.path, g.star.path);

    // Releasing what is not scanned frees nothing but still counts as a change.
    universeChanged = false;
    release_galaxy(&g.star);
    EXPECT_TRUE(universeChanged);

    // A thousand cycles, with a scanned subgalaxy each time: the sanitizer
    // build reports any record or string left behind.
    for (int i = 0; i < 1000; ++i) {
        scan_dir(&g.star);
        scan_dir(child(g.star, "sub"));
        release_galaxy(&g.star);
    }
    scan_dir(&g.star);
    EXPECT_EQ(describe(g.star), first);
}

TEST(Universe, StarsKeepTheirNamesAndPathsThroughLaterScans)
{
    // Each scan builds its names in the same scratch text; the stars of an
    // earlier scan must not be reading it.
    fixture::TempDir dir("keep");
    fixture::make_dir(dir / "a");
    fixture::make_file(dir / "b");
    fixture::make_link("a/x", dir / "c");
    fixture::make_file(dir / "a/a_much_longer_name_that_covers_the_first_ones");
    fixture::make_dir(dir / "a/another_directory_with_a_long_name");

    fixture::FixtureGalaxy g(dir.path());
    scan_dir(&g.star);
    const std::string first = describe(g.star);
    Star *a = child(g.star, "a");
    ASSERT_NE(a, nullptr);
    scan_dir(a);
    ASSERT_EQ(a->childCount, 2);
    EXPECT_EQ(describe(g.star), first);
    EXPECT_EQ(child(*a, "another_directory_with_a_long_name")->path,
              dir.path() + "/a/another_directory_with_a_long_name/");

    // Released and scanned again below a kept parent: the parent's stars stay.
    release_galaxy(a);
    scan_dir(a);
    EXPECT_EQ(describe(g.star), first);
    EXPECT_NE(child(*a, "a_much_longer_name_that_covers_the_first_ones"), nullptr);
}

TEST(Universe, RequestPassServesScansAndReleases)
{
    fixture::TempDir dir("pass");
    fixture::make_dir(dir / "sub");
    fixture::make_file(dir / "sub/f");
    fixture::make_dir(dir / "idle");
    fixture::make_link("sub/f", dir / "rel");
    fixture::make_link("/fx/sub/f", dir / "abs");

    fixture::RootScope root;
    fixture::set_children(rootGalaxy, {fixture::galaxy("fx", dir.path() + "/")});
    Star &fx = rootGalaxy.children[0];
    NoticeRecorder notices;

    // Pass 1: the fixture is scanned, its links lead as far as they can.
    fx.request = REQUEST_SCAN;
    update_universe(fixture::fake_widget());
    EXPECT_EQ(scanMessageWidget, fixture::fake_widget());
    ASSERT_EQ(NoticeRecorder::calls().size(), 1u);
    EXPECT_EQ(NoticeRecorder::calls()[0].second, dir.path() + "/");
    EXPECT_EQ(fx.request, REQUEST_NONE);
    ASSERT_EQ(fx.childCount, 4);
    Star *sub = child(fx, "sub");
    Star *rel = child(fx, "rel");
    Star *abs = child(fx, "abs");
    EXPECT_EQ(rel->target, sub);
    EXPECT_EQ(abs->target, sub);

    // Pass 2: scanning sub takes the links deeper.
    sub->request = REQUEST_SCAN;
    update_universe(fixture::fake_widget());
    EXPECT_EQ(rel->target, child(*sub, "f"));
    EXPECT_EQ(abs->target, child(*sub, "f"));

    // An idle pass changes nothing and resolves nothing.
    rel->target = &rootGalaxy;
    update_universe(fixture::fake_widget());
    EXPECT_FALSE(universeChanged);
    EXPECT_EQ(rel->target, &rootGalaxy);

    // Releasing a galaxy that was never scanned still re-resolves.
    child(fx, "idle")->request = REQUEST_RELEASE;
    update_universe(fixture::fake_widget());
    EXPECT_TRUE(universeChanged);
    EXPECT_EQ(rel->target, child(*sub, "f"));

    // Releasing sub brings the links back to it.
    sub->request = REQUEST_RELEASE;
    update_universe(fixture::fake_widget());
    EXPECT_EQ(sub->scanned, 0);
    EXPECT_EQ(sub->request, REQUEST_NONE);
    EXPECT_EQ(rel->target, sub);

    // Both a galaxy and its descendant ask: only the galaxy is served, and the
    // descendant's scan goes with it.
    NoticeRecorder::calls().clear();
    sub->request = REQUEST_SCAN;
    fx.request = REQUEST_RELEASE;
    update_universe(fixture::fake_widget());
    EXPECT_TRUE(NoticeRecorder::calls().empty());
    EXPECT_EQ(fx.scanned, 0);
    EXPECT_EQ(fx.childCount, 0);
    EXPECT_EQ(fx.request, REQUEST_NONE);
}

}  // namespace
