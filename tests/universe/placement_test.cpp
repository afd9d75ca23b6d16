#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "universe/placement.h"

namespace {

struct MetricsCase {
    std::string name;
    double e, o, a, b;
    int distance;
    int colorSeed;
};

// Hand-worked values. High bytes count as negative in the sums and in the
// first-byte remainder, which truncates towards zero.
const MetricsCase kMetricsCases[] = {
    {"abc", 4.7, 3.4, 1.96, 0.98, 11, 97},
    {"hello.txt", 6.977920, 6.554400, 5.55, 3.75, 36, 104},
    {"src", 6.5, 5.0, 2.14, 1.14, 14, 115},
    {"lnk", 6.12, 4.6, 2.15, 1.10, 7, 108},
    {"x", 5.6, 0, 1.20, 0, -2, 120},
    {">", 6.2, 0, 0.62, 0, 0, 62},
    {"a\nb", 4.66, 1.0, 1.95, 0.10, 11, 97},
    {"%n", 3.7, 4.6, 0.37, 1.10, 8, 37},
    {"\x80", 0, 0, -1.28, 0, -10, -128},
    {"\x81\x01", 0.1, 0.1, -1.27, 0.01, -6, -127},
    {std::string(255, 'z'), 58 * 0.1 / 0.6, 58 * 0.1 / 0.6, 156.16, 154.94, 27, 122},
    {std::string(255, '\xff'), 10.5, 10.5, -1.28, -1.27, 24, -1},
};

TEST(Placement, NameMetricsFollowTheNameBytes)
{
    for (const MetricsCase &c : kMetricsCases) {
        SCOPED_TRACE(testing::PrintToString(c.name));
        const NameMetrics m = name_metrics(c.name.c_str());
        EXPECT_NEAR(m.e, c.e, 1e-9);
        EXPECT_NEAR(m.o, c.o, 1e-9);
        EXPECT_NEAR(m.a, c.a, 1e-9);
        EXPECT_NEAR(m.b, c.b, 1e-9);
        EXPECT_EQ(m.distance, c.distance);
        EXPECT_EQ(m.colorSeed, c.colorSeed);
    }
}

TEST(Placement, ByteSumAnglesOfLinkComponents)
{
    double a = -1, b = -1;
    byte_sum_angles("/", a, b);
    EXPECT_NEAR(a, 0.47, 1e-12);
    EXPECT_EQ(b, 0);
    byte_sum_angles("", a, b);
    EXPECT_EQ(a, 0);
    EXPECT_EQ(b, 0);
}

TEST(Placement, RingAxesAreOrthonormal)
{
    Vec3 axis1{}, axis2{};
    ring_axes(2.14, 1.14, axis1, axis2);  // the galaxy "src"
    EXPECT_NEAR(axis1.x, -0.351753, 1e-6);
    EXPECT_NEAR(axis1.y, -0.225067, 1e-6);
    EXPECT_NEAR(axis1.z, 0.908633, 1e-6);
    EXPECT_NEAR(axis2.x, 0.666894, 1e-6);
    EXPECT_NEAR(axis2.y, -0.741416, 1e-6);
    EXPECT_NEAR(axis2.z, 0.074522, 1e-6);

    for (const MetricsCase &c : kMetricsCases) {
        SCOPED_TRACE(testing::PrintToString(c.name));
        ring_axes(c.a, c.b, axis1, axis2);
        EXPECT_NEAR(vec3_length(axis1), 1, 1e-12);
        EXPECT_NEAR(vec3_length(axis2), 1, 1e-12);
        EXPECT_NEAR(vec3_dot(axis1, axis2), 0, 1e-12);
    }
}

TEST(Placement, StarSizeCountsWholeBlocks)
{
    EXPECT_EQ(star_size(0), 1);
    EXPECT_EQ(star_size(4095), 1);
    EXPECT_DOUBLE_EQ(star_size(4096), 2);
    EXPECT_NEAR(star_size(100000), 3.884499, 1e-6);
    EXPECT_NEAR(star_size(27 * 4096 + 4095), 4, 1e-12);
}

TEST(Placement, NegativeSizesCountAsEmpty)
{
    for (const std::int64_t size : {std::int64_t{-1}, std::int64_t{-4096}, std::int64_t{-4097 * 4096},
                                    std::numeric_limits<std::int64_t>::min()}) {
        SCOPED_TRACE(size);
        EXPECT_EQ(star_size(size), 1);
    }
    EXPECT_TRUE(std::isfinite(star_size(std::numeric_limits<std::int64_t>::max())));
}

TEST(Placement, DistanceFactorStaysFinite)
{
    EXPECT_DOUBLE_EQ(distance_factor(36, -16), 0.8 / 36);
    // No positive distance: the largest magnitude sets the envelope instead.
    EXPECT_DOUBLE_EQ(distance_factor(0, -2), 0.4);
    // Every distance zero: every star sits at the centre whatever the factor.
    EXPECT_EQ(distance_factor(0, 0), 0);
}

}  // namespace
