#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "tests/universe/universe_fixture.h"
#include "universe/link_path.h"

namespace {

std::vector<std::string> split(const std::string &target)
{
    std::vector<char> buffer(link_buffer_size(target.size()));
    char *parts[kMaxLinkComponents + 1];
    const int n = split_link_target(target.c_str(), buffer.data(), parts);
    std::vector<std::string> out;
    for (int i = 0; i < n; ++i) {
        // Components lie one after another from the start of the buffer.
        EXPECT_EQ(parts[i], i == 0 ? buffer.data() : parts[i - 1] + std::strlen(parts[i - 1]) + 1);
        out.emplace_back(parts[i]);
    }
    EXPECT_EQ(parts[n], nullptr);
    return out;
}

std::string numbered_path(int count, const std::string &lead = "")
{
    std::string s = lead;
    for (int i = 0; i < count; ++i)
        s += "c" + std::to_string(i) + "/";
    return s;
}

std::vector<std::string> numbered_parts(int count)
{
    std::vector<std::string> v;
    for (int i = 0; i < count; ++i)
        v.push_back("c" + std::to_string(i));
    return v;
}

TEST(LinkPath, SplitsIntoComponents)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(split("../x/y"), (V{"..", "x", "y"}));
    EXPECT_EQ(split("/"), (V{"/"}));
    EXPECT_EQ(split("///"), (V{"/"}));
    EXPECT_EQ(split("/etc//hosts/"), (V{"/", "etc", "hosts"}));
    EXPECT_EQ(split("a//b/"), (V{"a", "b"}));
    EXPECT_EQ(split("./.hidden/.."), (V{".", ".hidden", ".."}));
    EXPECT_EQ(split("a\nb/%s%n"), (V{"a\nb", "%s%n"}));
    EXPECT_EQ(split(""), V{});
    // At most 63 components; the leading "/" counts as one.
    EXPECT_EQ(split(numbered_path(70)), numbered_parts(63));
    V absolute{"/"};
    for (const std::string &p : numbered_parts(62))
        absolute.push_back(p);
    EXPECT_EQ(split(numbered_path(70, "/")), absolute);
}

TEST(LinkPath, OwnedComponentsForEveryTarget)
{
    // A target longer than any fixed 1024-byte buffer stays whole.
    const std::string longPart(700, 'q');
    const std::string target = "/" + longPart + "/" + longPart + "/tail";
    char **c = make_link_components(target.c_str(), target.size());
    ASSERT_NE(c, nullptr);
    EXPECT_STREQ(c[0], "/");
    EXPECT_EQ(c[1], longPart);
    EXPECT_EQ(c[2], longPart);
    EXPECT_STREQ(c[3], "tail");
    EXPECT_EQ(c[4], nullptr);
    free_link_components(c);

    // An empty target has no component; the array still exists and frees cleanly.
    char **empty = make_link_components("", 0);
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(empty[0], nullptr);
    free_link_components(empty);
}

TEST(LinkPath, EndTangentFromTheLastComponent)
{
    const struct {
        const char *target;
        Vec3 expected;
    } cases[] = {
        {"../x/y", {0.935616, -0.353019, 0}},
        {"/", {std::sin(0.47), -std::cos(0.47), 0}},
        {"", {0, -1, 0}},  // no component: the empty text's angles
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.target);
        char **parts = make_link_components(c.target, std::strlen(c.target));
        const Vec3 t = end_tangent(parts);
        free_link_components(parts);
        EXPECT_NEAR(t.x, c.expected.x, 1e-6);
        EXPECT_NEAR(t.y, c.expected.y, 1e-6);
        EXPECT_NEAR(t.z, c.expected.z, 1e-6);
    }
}

// The chain of a link that lies in /data/proj/: proj, data, root.
class SpanGalaxy : public testing::Test {
protected:
    Star root = fixture::galaxy("");
    Star data = fixture::galaxy("data");
    Star proj = fixture::galaxy("proj");
    Star *chain[3] = {&proj, &data, &root};

    ~SpanGalaxy() override
    {
        for (Star *s : chain) {
            std::free(s->name);
            std::free(s->path);
        }
    }

    Star *span(const char *target)
    {
        char **c = make_link_components(target, std::strlen(target));
        Star *s = span_galaxy(chain, 2, c);
        free_link_components(c);
        return s;
    }
};

TEST_F(SpanGalaxy, DeepestSharedGalaxyOfTheTargetText)
{
    const struct {
        const char *target;
        Star *expected;
    } cases[] = {
        {"../x/y", &data},
        {"/data/proj/src", &proj},
        {"/etc/hosts", &root},
        {"/", &root},
        {"", &proj},
        {"./src", &proj},
        {"../proj/src", &proj},
        {"../../../..", &root},
        {"/data/../data/proj", &proj},
        {"/../data", &root},  // ".." at the top is a name like any other
        {"x/../..", &proj},   // the walk stops at the first name off the chain
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.target);
        EXPECT_EQ(span(c.target), c.expected);
    }
}

}  // namespace
