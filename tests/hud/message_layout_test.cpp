#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "hud/message_layout.h"

namespace {

TEST(MessageLayout, BaselinesFortyApartAroundTheCentre)
{
    const auto lines = layout_message("Scanning...\n/usr/\n", 240);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].offset, 0u);
    EXPECT_EQ(lines[0].length, 11u);
    EXPECT_EQ(lines[0].baseline, 200);
    EXPECT_EQ(lines[1].offset, 12u);
    EXPECT_EQ(lines[1].length, 5u);
    EXPECT_EQ(lines[1].baseline, 240);
}

TEST(MessageLayout, OnlyNewlineEndedLinesAreDrawn)
{
    EXPECT_TRUE(layout_message("no newline", 240).empty());
    EXPECT_TRUE(layout_message("", 240).empty());
    const auto one = layout_message("word\ntail", 240);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0].baseline, 220);
    const auto blank = layout_message("\n\nx\n", 100);
    ASSERT_EQ(blank.size(), 3u);
    EXPECT_EQ(blank[0].length, 0u);
    EXPECT_EQ(blank[0].baseline, 40);
    EXPECT_EQ(blank[2].baseline, 120);
}

TEST(MessageLayout, LongTextIsCutAndKeepsItsLastLine)
{
    const std::string path = "Scanning...\n/" + std::string(1500, 'd') + "/\n";
    char buffer[kMessageBufferSize];
    std::snprintf(buffer, sizeof buffer, "%s", path.c_str());
    fit_message(buffer, path.size(), true);
    EXPECT_EQ(std::strlen(buffer), kMessageBufferSize - 1);
    EXPECT_EQ(buffer[kMessageBufferSize - 2], '\n');
    EXPECT_EQ(layout_message(buffer, 240).size(), 2u);

    char shortText[kMessageBufferSize] = "short\n";
    fit_message(shortText, 6, true);
    EXPECT_STREQ(shortText, "short\n");
}

}  // namespace
