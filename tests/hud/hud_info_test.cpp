#include <gtest/gtest.h>

#include <cfloat>
#include <cstring>
#include <string>

#include "hud/hud_info.h"
#include "universe/star.h"

namespace {

// Records of the kinds the panel describes; only the fields it reads are set.
struct Fixture : testing::Test {
    char rootName[1] = "";
    char rootPath[2] = "/";
    Star root{};

    void SetUp() override
    {
        root.name = rootName;
        root.kind = STAR_GALAXY;
        root.path = rootPath;
        root.scanned = 1;
        root.childCount = 40;
    }

    static Star star(StarKind kind, const char *name)
    {
        Star s{};
        s.kind = kind;
        s.name = const_cast<char *>(name);
        return s;
    }

    std::string picked(const Star *s)
    {
        char text[kPickedTextSize];
        const int n = format_picked(text, s, &root);
        EXPECT_EQ(n, static_cast<int>(std::strlen(text)));
        return text;
    }
};

using HudInfo = Fixture;

TEST_F(HudInfo, PickedStarLines)
{
    Star planet = star(STAR_PLANET, "notes");
    planet.fileSize = 512;
    Star scanned = star(STAR_GALAXY, "src");
    scanned.scanned = 1;
    scanned.childCount = 12;
    Star unscanned = star(STAR_GALAXY, "src");
    Star empty = star(STAR_GALAXY, "empty");
    empty.scanned = 1;
    Star wormhole = star(STAR_WORMHOLE, "lib64");
    Star target = star(STAR_GALAXY, "lib");
    Star resolved = star(STAR_WORMHOLE, "lib64");
    resolved.target = &target;
    Star huge = star(STAR_PLANET, "disk.img");
    huge.fileSize = INT64_MAX;

    EXPECT_EQ(picked(&planet), "> notes [512]");
    EXPECT_EQ(picked(&scanned), "> src/ (12 files)");
    EXPECT_EQ(picked(&unscanned), "> src/");
    EXPECT_EQ(picked(&empty), "> empty/ (0 files)");
    EXPECT_EQ(picked(&wormhole), "> lib64@");
    EXPECT_EQ(picked(&resolved), "> lib64@ -> lib");
    EXPECT_EQ(picked(&huge), "> disk.img [9223372036854775807]");
    // The root under the cursor, or nothing under it: no line.
    EXPECT_EQ(picked(&root), "");
    EXPECT_EQ(picked(nullptr), "");
}

TEST_F(HudInfo, PickedNamesTakeNoFormatDirectives)
{
    Star planet = star(STAR_PLANET, "%s%n%d");
    planet.fileSize = 3;
    EXPECT_EQ(picked(&planet), "> %s%n%d [3]");
}

TEST_F(HudInfo, LongNamesAreCutWithinTheBuffer)
{
    const std::string longName(3000, 'a');
    Star target = star(STAR_GALAXY, longName.c_str());
    Star wormhole = star(STAR_WORMHOLE, longName.c_str());
    wormhole.target = &target;
    const std::string line = picked(&wormhole);
    EXPECT_EQ(line.size(), kPickedTextSize - 1);
    EXPECT_EQ(line, "> " + longName.substr(0, kPickedTextSize - 3));

    // The longest real names (255 bytes each) are never cut.
    const std::string name255(255, 'b');
    Star t2 = star(STAR_GALAXY, name255.c_str());
    Star w2 = star(STAR_WORMHOLE, name255.c_str());
    w2.target = &t2;
    EXPECT_EQ(picked(&w2), "> " + name255 + "@ -> " + name255);
}

TEST(HudInfoText, VelocityLine)
{
    char text[kVelocityTextSize];
    const struct {
        double v;
        int mode;
        const char *want;
    } cases[] = {
        {0, 0, "0.0 P"},       {1, 1, "1.0 C"},         {123.456, 1, "123.5 C"},
        {-3.5, 0, "-3.5 P"},   {1e9, 0, "1000000000.0 P"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(format_velocity(text, c.v, c.mode), static_cast<int>(std::strlen(c.want)));
        EXPECT_STREQ(text, c.want);
    }
}

TEST(HudInfoText, EnormousVelocityFitsWhole)
{
    // "%3.1f" of -DBL_MAX: a sign, 309 digits, ".0" and the mode.
    char text[kVelocityTextSize];
    const int n = format_velocity(text, -DBL_MAX, 1);
    EXPECT_EQ(n, 1 + 309 + 2 + 2);
    EXPECT_EQ(n, static_cast<int>(std::strlen(text)));
    EXPECT_EQ(std::string(text).substr(0, 4), "-179");
    EXPECT_EQ(std::string(text).substr(static_cast<std::size_t>(n) - 4), ".0 C");
}

TEST(HudInfoText, DrawnLengthIsCappedAtTheCoordinateRange)
{
    EXPECT_EQ(drawable_length(0), 0);
    EXPECT_EQ(drawable_length(62), 62);
    EXPECT_EQ(drawable_length(32767), 32767);
    EXPECT_EQ(drawable_length(32768), 32767);
    EXPECT_EQ(drawable_length(static_cast<std::size_t>(1) << 40), 32767);
}

TEST(HudInfoText, PanelLayout)
{
    // 640 x 480 with a font 11 wide, 14 up and 4 down.
    const InfoLayout l = info_layout(640, 480, FontMetrics{11, 14, 4});
    const struct {
        XPoint p;
        int x, y;
    } want[] = {
        {l.velocityCaption, 32, 32}, {l.galaxyCaption, 32, 62}, {l.velocity, 208, 32},   {l.path, 208, 62},
        {l.picked, 32, 92},          {l.forwardHelp, 420, 438}, {l.backwardHelp, 420, 468},
    };
    for (const auto &w : want) {
        EXPECT_EQ(w.p.x, w.x);
        EXPECT_EQ(w.p.y, w.y);
    }

    // Fonts too short for the help lines to fit below their usual place: the
    // lower line's descent ends on the last row; the gap between them stays.
    const struct {
        FontMetrics font;
        int height, forwardY, backwardY;
    } shortFonts[] = {
        {{6, 11, 2}, 480, 448, 478},  // the 13-pixel fixed font
        {{6, 12, 3}, 480, 447, 477},
        {{6, 14, 1}, 200, 169, 199},
        {{6, 14, 4}, 480, 438, 468},  // fits: unchanged
    };
    for (const auto &c : shortFonts) {
        const InfoLayout s = info_layout(640, c.height, c.font);
        EXPECT_EQ(s.forwardHelp.y, c.forwardY) << c.font.ascent << "+" << c.font.descent;
        EXPECT_EQ(s.backwardHelp.y, c.backwardY) << c.font.ascent << "+" << c.font.descent;
        EXPECT_EQ(s.forwardHelp.x, 640 - 20 * 6);
    }

    // Metrics from a broken font must not wrap coordinates round.
    const InfoLayout wild = info_layout(65535, 65535, FontMetrics{30000, 30000, 30000});
    EXPECT_EQ(wild.velocity.x, SHRT_MAX);
    EXPECT_EQ(wild.forwardHelp.x, SHRT_MIN);
    EXPECT_EQ(wild.forwardHelp.y, SHRT_MIN);
}

}  // namespace
