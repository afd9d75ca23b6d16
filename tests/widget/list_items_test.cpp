#include <gtest/gtest.h>

#include "widget/list_items.h"

namespace {

using Items = std::vector<std::string>;

TEST(ListItems, WhiteSpaceDroppedAndEmptyItemsSkipped)
{
    const struct {
        const char *value;
        Items items;
    } cases[] = {
        {"cyan,gray", {"cyan", "gray"}},
        {"  cyan , gray  ", {"cyan", "gray"}},
        {"cyan,,gray", {"cyan", "gray"}},
        {"cyan,gray,", {"cyan", "gray"}},
        {",\t, ,", {}},
        {"", {}},
        {"dark slate\tgray", {"darkslategray"}},  // blanks inside an item vanish too
        {"a\nb,c", {"ab", "c"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(split_list_items(c.value), c.items) << c.value;
}

TEST(ListItems, HighBytesAreNeverWhiteSpace)
{
    // 0xA0 is a blank in Latin-1 locales, but bytes above 0x7F are kept as they are.
    EXPECT_EQ(split_list_items("a\xa0" "b, \x85"), (Items{"a\xa0" "b", "\x85"}));
}

TEST(ListItems, NoLimitOnCountOrLength)
{
    std::string many;
    for (int i = 0; i < 40; ++i)
        many += "c" + std::to_string(i) + ",";
    const Items items = split_list_items(many.c_str());
    ASSERT_EQ(items.size(), 40u);
    EXPECT_EQ(items[39], "c39");

    const std::string longItem(1000, 'x');
    EXPECT_EQ(split_list_items(("red," + longItem).c_str()), (Items{"red", longItem}));
}

}  // namespace
