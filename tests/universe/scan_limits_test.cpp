#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <deque>
#include <string>
#include <vector>

#include "tests/universe/universe_fixture.h"
#include "universe/scan_dir.h"

namespace {

using fixture::child;
using fixture::FixtureGalaxy;
using fixture::TempDir;

// The first kMaxStars names of the listing that a scan keeps.
std::vector<std::string> first_visible(const std::string &path)
{
    std::vector<std::string> kept;
    for (const std::string &name : fixture::listing(path))
        if (name[0] != '.' && kept.size() < static_cast<std::size_t>(kMaxStars))
            kept.push_back(name);
    return kept;
}

// Scans g and returns what the scan wrote to standard error.
std::string scan_stderr(Star &g)
{
    testing::internal::CaptureStderr();
    scan_dir(&g);
    return testing::internal::GetCapturedStderr();
}

TEST(ScanLimits, AtMost256StarsInListingOrder)
{
    // A '%' in the path must reach standard error as it is.
    TempDir dir("many%s%n");
    for (int i = 0; i < 300; ++i)
        fixture::make_file(dir / ("f" + std::to_string(i)));

    FixtureGalaxy g(dir.path());
    EXPECT_EQ(scan_stderr(g.star), "scan_dir: too many stars: 256 in " + g.path + "\n");
    ASSERT_EQ(g.star.childCount, kMaxStars);
    const std::vector<std::string> expected = first_visible(dir.path());
    for (int i = 0; i < kMaxStars; ++i)
        EXPECT_EQ(g.star.children[i].name, expected[i]) << i;
}

TEST(ScanLimits, DotNamesAfterTheLastStarStillCount)
{
    TempDir dir("dots");
    // Whether the listing runs in creation order or against it, one dot name
    // comes after every visible entry.
    fixture::make_file(dir / ".early");
    for (int i = 0; i < kMaxStars; ++i)
        fixture::make_file(dir / ("f" + std::to_string(i)));
    fixture::make_file(dir / ".late");
    const std::vector<std::string> names = fixture::listing(dir.path());
    ASSERT_EQ(names.back()[0], '.') << "precondition: the listing ends with a dot name";

    FixtureGalaxy g(dir.path());
    EXPECT_EQ(scan_stderr(g.star), "scan_dir: too many stars: 256 in " + g.path + "\n");
    EXPECT_EQ(g.star.childCount, kMaxStars);

    // One star fewer: the listing ends without the limit being reached.
    unlink((dir / "f0").c_str());
    FixtureGalaxy fewer(dir.path());
    EXPECT_EQ(scan_stderr(fewer.star), "");
    EXPECT_EQ(fewer.star.childCount, kMaxStars - 1);
}

TEST(ScanLimits, GalaxyWithoutPositiveDistanceStaysFinite)
{
    // "x" has D = -2 and ">" has D = 0: no star has a positive distance.
    const struct {
        std::vector<std::string> names;
        std::string probe;
        double distance;
    } cases[] = {
        {{"x"}, "x", 0.8},
        {{">"}, ">", 0.0},
        {{"x", ">"}, "x", 0.8},
        {{"x", "abc"}, "x", 0.8 * 2 / 11},  // a positive D sets the envelope
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.probe + " among " + std::to_string(c.names.size()));
        TempDir dir("nod");
        for (const std::string &n : c.names)
            fixture::make_file(dir / n);
        FixtureGalaxy g(dir.path());
        scan_dir(&g.star);
        ASSERT_EQ(g.star.childCount, static_cast<int>(c.names.size()));
        for (int i = 0; i < g.star.childCount; ++i) {
            const Vec3 &p = g.star.children[i].position;
            EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z));
        }
        EXPECT_NEAR(vec3_length(child(g.star, c.probe)->position), c.distance, 1e-12);
    }
}

// A path to dir padded with "./" so that it is exactly `length` bytes long,
// ending in "/".
std::string padded(const std::string &dir, std::size_t length)
{
    std::string p = dir + "/";
    if ((length - p.size()) % 2 != 0)
        p.insert(p.size() - 1, "/");  // a doubled slash adjusts the parity
    while (p.size() < length)
        p += "./";
    return p;
}

TEST(ScanLimits, LongPathsAreNeverCutShort)
{
    TempDir dir("long");
    fixture::make_file(dir / "ab");
    fixture::make_dir(dir / "abcdefghijklmnop");

    // Beyond 2048 bytes the paths are still formed whole.
    {
        Star g{};
        std::string path = padded(dir.path(), 2040);
        ASSERT_EQ(path.size(), 2040u);
        g.kind = STAR_GALAXY;
        g.readable = 1;
        g.path = path.data();
        scan_dir(&g);
        ASSERT_EQ(g.childCount, 2);
        EXPECT_EQ(child(g, "ab")->kind, STAR_PLANET);
        const Star *sub = child(g, "abcdefghijklmnop");
        EXPECT_EQ(sub->kind, STAR_GALAXY);
        EXPECT_EQ(sub->path, path + "abcdefghijklmnop/");
        release_galaxy(&g);
    }
    // At the system's limit: "ab" still fits, the long name does not. Cut
    // short, its path would name "ab" and show it a second time.
    {
        Star g{};
        std::string path = padded(dir.path(), PATH_MAX - 3);
        g.kind = STAR_GALAXY;
        g.readable = 1;
        g.path = path.data();
        scan_dir(&g);
        ASSERT_EQ(g.childCount, 1);
        EXPECT_STREQ(g.children[0].name, "ab");
        EXPECT_EQ(g.children[0].kind, STAR_PLANET);
        release_galaxy(&g);
    }
}

TEST(ScanLimits, LongLinkTargetIsReadWhole)
{
    TempDir dir("longlink");
    std::string target;
    for (int i = 0; i < 10; ++i)
        target += std::string(149, static_cast<char>('a' + i)) + "/";
    target += "end";
    ASSERT_GT(target.size(), 1024u);
    fixture::make_link(target, dir / "far");

    FixtureGalaxy g(dir.path());
    scan_dir(&g.star);
    const Star *far = child(g.star, "far");
    ASSERT_NE(far, nullptr);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(far->linkComponents[i], std::string(149, static_cast<char>('a' + i)));
    EXPECT_STREQ(far->linkComponents[10], "end");
    EXPECT_EQ(far->linkComponents[11], nullptr);
    // The curve arrives from the last component, "end".
    EXPECT_NEAR(far->endTangent.y, -std::cos(0.01 * ('e' + 'd')) * std::cos(0.01 * 'n'), 1e-12);
}

TEST(ScanLimits, SpanOfAbsoluteTargetInDeepTree)
{
    // A link 70 galaxies below the root: its absolute target is still read
    // from the root, however long the chain.
    std::deque<Star> chain;  // stable addresses
    chain.push_back(fixture::galaxy(""));
    for (int i = 1; i < 70; ++i) {
        chain.push_back(fixture::galaxy(("d" + std::to_string(i)).c_str()));
        chain.back().parent = &chain[chain.size() - 2];
    }
    TempDir dir("deep");
    fixture::make_link("/d1/d2/elsewhere", dir / "up");
    fixture::make_link("../../d69/x", dir / "near");
    FixtureGalaxy g(dir.path(), &chain.back(), "d70");
    scan_dir(&g.star);
    EXPECT_EQ(child(g.star, "up")->spanGalaxy, &chain[2]);
    EXPECT_EQ(child(g.star, "near")->spanGalaxy, &chain[69]);
    for (Star &s : chain) {
        std::free(s.name);
        std::free(s.path);
    }
}

}  // namespace
