// The test server must really have every font the program asks for by default;
// otherwise the real-window tests would run on fallback fonts unnoticed.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "shell/options.h"
#include "widget/list_items.h"

namespace {

TEST(Fonts, EveryFallbackFontResolvesOnTheTestServer)
{
    Display *dpy = XOpenDisplay(nullptr);
    ASSERT_NE(dpy, nullptr);
    int checked = 0;
    for (String *p = fallbackResources; *p != nullptr; ++p) {
        const std::string line = *p;
        const std::size_t colon = line.find(':');
        if (line.find("Font") == std::string::npos || colon == std::string::npos)
            continue;
        for (const std::string &pattern : split_list_items(line.c_str() + colon + 1)) {
            int count = 0;
            char **names = XListFonts(dpy, pattern.c_str(), 1, &count);
            EXPECT_GE(count, 1) << pattern;
            if (names != nullptr)
                XFreeFontNames(names);
            XFontStruct *font = XLoadQueryFont(dpy, pattern.c_str());
            EXPECT_NE(font, nullptr) << pattern;
            if (font != nullptr)
                XFreeFont(dpy, font);
            ++checked;
        }
    }
    EXPECT_EQ(checked, 8);  // info, alert, measure and the five label fonts
    XCloseDisplay(dpy);
}

}  // namespace
