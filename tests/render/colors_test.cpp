#include <gtest/gtest.h>

#include <climits>

#include "render/colors.h"

namespace {

TEST(Colors, SeedModuloCountStaysInTheSet)
{
    EXPECT_EQ(color_index(0, 4), 0);
    EXPECT_EQ(color_index(101, 4), 1);  // 'e'
    EXPECT_EQ(color_index(127, 2), 1);
    EXPECT_EQ(color_index(-1, 4), 3);   // negative seeds count upwards from the end
    EXPECT_EQ(color_index(-4, 4), 0);
    EXPECT_EQ(color_index(-128, 3), 1);
    EXPECT_EQ(color_index(-129, 17), 7);  // beyond the common range: the same rule
    EXPECT_EQ(color_index(INT_MIN, 5), 2);
    for (int count = 1; count <= 20; ++count) {
        for (int seed = -300; seed <= 300; ++seed) {
            const int i = color_index(seed, count);
            ASSERT_GE(i, 0) << seed << " mod " << count;
            ASSERT_LT(i, count) << seed << " mod " << count;
            ASSERT_EQ((i - seed) % count, 0) << seed << " mod " << count;
        }
    }
}

TEST(Colors, MissingOrEmptySetGivesNoGc)
{
    GC gcs[3] = {reinterpret_cast<GC>(0x10), reinterpret_cast<GC>(0x20), reinterpret_cast<GC>(0x30)};
    ColorGCSet set{3, gcs};
    EXPECT_EQ(color_gc(&set, -128), gcs[1]);
    EXPECT_EQ(color_gc(&set, 'a'), gcs[97 % 3]);
    ColorGCSet empty{0, gcs};
    EXPECT_EQ(color_gc(&empty, 5), nullptr);
    EXPECT_EQ(color_gc(nullptr, 5), nullptr);
    EXPECT_EQ(readable_index(0), 0);
    EXPECT_EQ(readable_index(1), 1);
    EXPECT_EQ(readable_index(7), 1);
}

}  // namespace
