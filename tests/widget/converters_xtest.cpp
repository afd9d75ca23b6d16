// The list converters against a real server.

#include <gtest/gtest.h>

#include <X11/IntrinsicP.h>
#include <X11/StringDefs.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/e2e/xt_app.h"
#include "widget/MainScreen.h"
#include "widget/MainScreenP.h"
#include "widget/converters.h"

namespace {

std::vector<std::string> warnings;

void collect_warning(String name, String type, String cls, String defaultMsg, String *params, Cardinal *n)
{
    char text[1024];
    XtAppGetErrorDatabaseText(nullptr, name, type, cls, defaultMsg, text, sizeof text, nullptr);
    std::string line = text;
    for (Cardinal i = 0; i < *n; ++i)
        line += std::string(" [") + params[i] + "]";
    warnings.push_back(line);
}

class Converters : public testing::Test {
protected:
    void SetUp() override
    {
        warnings.clear();
        XtInitializeWidgetClass(mainScreenWidgetClass);  // registers the converters
        XtAppSetWarningMsgHandler(app.context(), collect_warning);
    }

    // Converts on the shell (its screen and colormap); null when it fails.
    PixelList *pixels(const char *value)
    {
        return convert<PixelList>(value, XtRPixelList);
    }
    FontStructList *fonts(const char *value)
    {
        return convert<FontStructList>(value, XtRFontStructList);
    }
    Pixel pixel(const char *name)
    {
        XrmValue from{static_cast<unsigned>(std::strlen(name) + 1), const_cast<char *>(name)};
        Pixel p = 0;
        XrmValue to{sizeof p, reinterpret_cast<XPointer>(&p)};
        EXPECT_TRUE(XtConvertAndStore(app.shell(), XtRString, &from, XtRPixel, &to)) << name;
        return p;
    }
    bool warned(const std::string &needle) const
    {
        for (const std::string &w : warnings)
            if (w.find(needle) != std::string::npos)
                return true;
        return false;
    }

    e2e::XtApp app;

private:
    template <typename List>
    List *convert(const char *value, const char *type)
    {
        XrmValue from{static_cast<unsigned>(std::strlen(value) + 1), const_cast<char *>(value)};
        List *list = nullptr;
        XrmValue to{sizeof list, reinterpret_cast<XPointer>(&list)};
        return XtConvertAndStore(app.shell(), XtRString, &from, const_cast<char *>(type), &to) ? list : nullptr;
    }
};

TEST_F(Converters, BlanksEmptyItemsAndTrailingCommasGiveTheSameList)
{
    const Pixel cyan = pixel("cyan"), gray = pixel("gray");
    for (const char *value : {"cyan,gray", " cyan , gray ", "cyan,,gray", "cyan,gray,", "\tcy an,g ray"}) {
        const PixelList *list = pixels(value);
        ASSERT_NE(list, nullptr) << value;
        ASSERT_EQ(list->count, 2) << value;
        EXPECT_EQ(list->pixels[0], cyan) << value;
        EXPECT_EQ(list->pixels[1], gray) << value;
    }
    EXPECT_TRUE(warnings.empty());
}

TEST_F(Converters, BadNameIsLeftOutAfterTheToolkitsWarning)
{
    const PixelList *list = pixels("red,nosuchcolour,blue");
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count, 2);
    EXPECT_EQ(list->pixels[0], pixel("red"));
    EXPECT_EQ(list->pixels[1], pixel("blue"));
    EXPECT_TRUE(warned("nosuchcolour"));
}

TEST_F(Converters, NoValidItemFailsWithTheListWarning)
{
    for (const char *value : {",,,", " , \t ,", "nosuchcolour"}) {
        warnings.clear();
        EXPECT_EQ(pixels(value), nullptr) << value;
        EXPECT_TRUE(warned("XtRPixelList")) << value;
    }
    warnings.clear();
    EXPECT_EQ(fonts(" , "), nullptr);
    EXPECT_TRUE(warned("XtRFontStructList"));
}

TEST_F(Converters, FontListKeepsTheWrittenOrder)
{
    const FontStructList *list = fonts("*adobe-courier-bold-r*120*, *adobe-courier-bold-r*100*");
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count, 2);
    const int first = list->fonts[0]->ascent + list->fonts[0]->descent;
    const int second = list->fonts[1]->ascent + list->fonts[1]->descent;
    EXPECT_GT(first, second);  // the 12-point font stays entry 0
}

TEST_F(Converters, LongListsAreKeptWhole)
{
    std::string value;
    for (int i = 0; i < 20; ++i)
        value += i % 2 ? "red," : "blue,";
    value += std::string(300, 'x');  // no colour has such a name: left out with a warning
    const PixelList *list = pixels(value.c_str());
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count, 20);
    EXPECT_EQ(list->pixels[19], pixel("red"));
    EXPECT_TRUE(warned(std::string(300, 'x')));
}

TEST_F(Converters, SizeProtocol)
{
    const char value[] = "red";
    XrmValue from{sizeof value, const_cast<char *>(value)};
    XrmValue args[2];
    Screen *screen = XtScreen(app.shell());
    Colormap cmap = DefaultColormapOfScreen(screen);
    args[0] = {sizeof(Screen *), reinterpret_cast<XPointer>(&screen)};
    args[1] = {sizeof(Colormap), reinterpret_cast<XPointer>(&cmap)};
    Cardinal n = 2;

    short tooSmall = 0;
    XrmValue to{sizeof tooSmall, reinterpret_cast<XPointer>(&tooSmall)};
    EXPECT_FALSE(CvtStringToPixelList(app.display(), args, &n, &from, &to, nullptr));
    EXPECT_EQ(to.size, sizeof(PixelList *));

    XrmValue noAddress{0, nullptr};
    ASSERT_TRUE(CvtStringToPixelList(app.display(), args, &n, &from, &noAddress, nullptr));
    EXPECT_EQ(noAddress.size, sizeof(PixelList *));
    EXPECT_EQ((*reinterpret_cast<PixelList **>(noAddress.addr))->count, 1);
}

TEST(ConverterCache, EqualStringsShareOneList)
{
    e2e::XtApp app({"*innerGalaxyColors: red, blue", "*outerPlanetColors: red, blue"});
    Widget w = app.create_screen();
    const MainScreenPart &ms = screen_part(w);
    ASSERT_NE(ms.innerGalaxyColors, nullptr);
    EXPECT_EQ(ms.innerGalaxyColors, ms.outerPlanetColors);
    EXPECT_NE(ms.innerGalaxyColors, ms.outerGalaxyColors);
}

}  // namespace
