#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hud/hud_geometry.h"
#include "hud/hud_tapes.h"

namespace {

struct Mark {
    int angle;
    int pos;
    int length;
    std::string label;  // empty for an unlabelled tick
};

bool operator==(const Mark &a, const Mark &b)
{
    return a.angle == b.angle && a.pos == b.pos && a.length == b.length && a.label == b.label;
}

std::ostream &operator<<(std::ostream &os, const Mark &m)
{
    return os << "{" << m.angle << ", " << m.pos << ", " << m.length << ", \"" << m.label << "\"}";
}

// Every tick of a tape as the drawing walks it.
std::vector<Mark> marks(const TapeRun &run, bool heading, int center, int tapeLength)
{
    std::vector<Mark> out;
    for (int i = 0; i < tape_tick_count(run); ++i) {
        const int a = run.first + kTickDegrees * i;
        Mark m{a, heading ? heading_tick_x(run, i, center, tapeLength) : pitch_tick_y(run, i, center, tapeLength),
               tape_tick_length(a), ""};
        if (tape_tick_labelled(a)) {
            char text[kTapeLabelSize];
            const int n = tape_label(text, a);
            m.label.assign(text, static_cast<std::size_t>(n));
        }
        out.push_back(m);
    }
    return out;
}

std::vector<Mark> labelled(const std::vector<Mark> &all)
{
    std::vector<Mark> out;
    for (const Mark &m : all)
        if (!m.label.empty())
            out.push_back(m);
    return out;
}

TEST(HudTapes, HeadingZeroOn640PixelsWide)
{
    const TapeAreas areas = hud_tape_areas(640, 320, 240);
    const int c = tape_half_range(areas.heading.width);
    EXPECT_EQ(c, 19);
    const TapeRun run = tape_run(0, c);
    EXPECT_EQ(run.first, 342);
    EXPECT_EQ(run.last, 378);
    const std::vector<Mark> all = marks(run, true, 320, areas.heading.width);
    ASSERT_EQ(all.size(), 13u);
    for (std::size_t i = 0; i < all.size(); ++i) {
        EXPECT_EQ(all[i].angle, 342 + 3 * static_cast<int>(i));
        EXPECT_EQ(all[i].pos, 219 + 16 * static_cast<int>(i));
        EXPECT_EQ(all[i].length, all[i].label.empty() ? 4 : 8);
    }
    EXPECT_EQ(labelled(all), (std::vector<Mark>{{345, 235, 8, "345"}, {360, 315, 8, "0"}, {375, 395, 8, "15"}}));
}

TEST(HudTapes, PitchZeroOn640By480GrowsUpwards)
{
    const TapeAreas areas = hud_tape_areas(640, 320, 240);
    const TapeRun run = tape_run(0, tape_half_range(areas.heading.width));
    const std::vector<Mark> all = marks(run, false, 240, areas.pitch.height);
    ASSERT_EQ(all.size(), 13u);
    EXPECT_EQ(all.front().pos, 341);  // 240 + 106 - 5
    EXPECT_EQ(all.back().pos, 341 - 16 * 12);
    EXPECT_EQ(labelled(all), (std::vector<Mark>{{345, 325, 8, "345"}, {360, 245, 8, "0"}, {375, 165, 8, "15"}}));
}

TEST(HudTapes, RunsForOtherAngles)
{
    struct Case {
        int angle, halfRange, first, last, lead;
    };
    const Case cases[] = {
        {1, 19, 342, 378, 0},     // low end on a tick
        {2, 19, 345, 381, 10},    // two degrees to the first tick: 32/3 truncated
        {-45, 19, 297, 333, 5},   // the lowest heading
        {315, 19, 657, 693, 5},   // the highest
        {180, 60, 480, 600, 0},   // a 1920-pixel-wide window
        {1, 0, 363, 360, 10},     // a tape too narrow for any tick
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "angle " << c.angle << ", half range " << c.halfRange);
        const TapeRun run = tape_run(c.angle, c.halfRange);
        EXPECT_EQ(run.first, c.first);
        EXPECT_EQ(run.last, c.last);
        EXPECT_EQ(run.lead, c.lead);
    }
    EXPECT_EQ(tape_tick_count(tape_run(1, 0)), 0);
    EXPECT_EQ(tape_tick_count(tape_run(180, 60)), 41);
}

TEST(HudTapes, WideTapeBelowZeroKeepsItsStepAndLabels)
{
    // A tape 4800 pixels wide reaches below angle 0 for heading 0.
    const int c = tape_half_range(4800);
    ASSERT_EQ(c, 450);
    const TapeRun run = tape_run(0, c);
    EXPECT_EQ(run.first, -90);
    EXPECT_EQ(run.last, 810);
    EXPECT_EQ(run.lead, 0);
    const TapeRun odd = tape_run(0, 401);  // low end -41: the first tick is -39
    EXPECT_EQ(odd.first, -39);
    EXPECT_EQ(odd.lead, 10);

    char text[kTapeLabelSize];
    const struct {
        int angle;
        const char *label;
    } labels[] = {{-90, "270"}, {-15, "345"}, {0, "0"}, {360, "0"}, {375, "15"}, {810, "90"}};
    for (const auto &l : labels) {
        EXPECT_TRUE(tape_tick_labelled(l.angle)) << l.angle;
        EXPECT_EQ(tape_label(text, l.angle), static_cast<int>(std::string(l.label).size()));
        EXPECT_STREQ(text, l.label);
    }
    EXPECT_FALSE(tape_tick_labelled(-39));
    EXPECT_EQ(tape_tick_length(-39), 4);
}

TEST(HudTapes, LabelPlaces)
{
    // Centred under the heading tick (half the width truncated), the baseline
    // 10 pixels below the tape's top plus the ascent.
    EXPECT_EQ(heading_label_x(315, 7), 312);
    EXPECT_EQ(heading_label_x(315, 20), 305);
    EXPECT_EQ(heading_label_y(378, 11), 399);
    // Beside the pitch tick, centred on it by half the ascent.
    EXPECT_EQ(pitch_label_x(458), 468);
    EXPECT_EQ(pitch_label_y(245, 11), 250);
}

}  // namespace
