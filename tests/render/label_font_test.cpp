#include <gtest/gtest.h>

#include "render/label_font.h"

namespace {

TEST(LabelFont, FirstHighEnoughOfAllButTheLast)
{
    const int heights[] = {11, 13, 15, 19, 26};
    const struct {
        int wanted;
        int index;
    } cases[] = {{1, 0}, {11, 0}, {12, 1}, {14, 2}, {19, 3}, {20, 4}, {26, 4}, {30, 4}, {0, 0}, {-5, 0}};
    for (const auto &c : cases)
        EXPECT_EQ(choose_label_font(heights, 5, c.wanted), c.index) << c.wanted;
}

TEST(LabelFont, LastFontTakenWithoutLookingAtItsHeight)
{
    // Not sorted: the last font is the fallback even when it is the smallest.
    const int heights[] = {20, 30, 5};
    EXPECT_EQ(choose_label_font(heights, 3, 25), 1);
    EXPECT_EQ(choose_label_font(heights, 3, 40), 2);
    const int unsorted[] = {30, 10, 40};
    EXPECT_EQ(choose_label_font(unsorted, 3, 5), 0);
}

TEST(LabelFont, SmallSetsAlwaysIndexZero)
{
    const int one[] = {3};
    EXPECT_EQ(choose_label_font(one, 1, 100), 0);
    EXPECT_EQ(choose_label_font(one, 1, 1), 0);
    EXPECT_EQ(choose_label_font(nullptr, 0, 10), 0);
    const int two[] = {10, 12};
    EXPECT_EQ(choose_label_font(two, 2, 11), 1);
    EXPECT_EQ(choose_label_font(two, 2, 99), 1);
}

}  // namespace
