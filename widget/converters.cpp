#include "widget/converters.h"

#include <X11/StringDefs.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "widget/MainScreen.h"
#include "widget/list_items.h"
#include "widget/lists.h"

namespace {

// Delivers a converted list by the toolkit's rules for converters.
template <typename List>
Boolean deliver(List *list, XrmValuePtr to)
{
    static List *holder;
    if (to->addr == nullptr) {
        holder = list;
        to->addr = reinterpret_cast<XPointer>(&holder);
    } else if (to->size < sizeof(List *)) {
        to->size = sizeof(List *);
        return False;
    } else {
        *reinterpret_cast<List **>(to->addr) = list;
    }
    to->size = sizeof(List *);
    return True;
}

Boolean fail(Display *dpy, XrmValuePtr from, XrmValuePtr to, const char *typeName)
{
    XtDisplayStringConversionWarning(dpy, reinterpret_cast<char *>(from->addr), const_cast<char *>(typeName));
    to->addr = nullptr;
    to->size = 0;
    return False;
}

// Converts each item with the toolkit's own converter; an item that fails has
// already been warned about by that converter and is left out.
template <typename Element>
std::vector<Element> convert_items(Display *dpy, XtTypeConverter converter, XrmValuePtr args, Cardinal numArgs,
                                   XrmValuePtr from)
{
    std::vector<Element> out;
    for (const std::string &item : split_list_items(reinterpret_cast<const char *>(from->addr))) {
        XrmValue in{static_cast<unsigned int>(item.size() + 1), const_cast<char *>(item.c_str())};
        Element value{};
        XrmValue result{sizeof(Element), reinterpret_cast<XPointer>(&value)};
        if (XtCallConverter(dpy, converter, args, numArgs, &in, &result, nullptr))
            out.push_back(value);
    }
    return out;
}

template <typename Element>
Element *copy_out(const std::vector<Element> &items)
{
    auto *array = static_cast<Element *>(std::malloc(items.size() * sizeof(Element)));
    std::memcpy(array, items.data(), items.size() * sizeof(Element));
    return array;
}

}  // namespace

Boolean CvtStringToPixelList(Display *dpy, XrmValuePtr args, Cardinal *numArgs, XrmValuePtr from, XrmValuePtr to,
                             XtPointer *)
{
    std::vector<Pixel> pixels;
    try {  // nothing may throw back into the toolkit
        pixels = convert_items<Pixel>(dpy, XtCvtStringToPixel, args, *numArgs, from);
    } catch (...) {
        pixels.clear();
    }
    if (pixels.empty())
        return fail(dpy, from, to, "XtRPixelList");
    auto *list = static_cast<PixelList *>(std::malloc(sizeof(PixelList)));
    list->count = static_cast<int>(pixels.size());
    list->pixels = copy_out(pixels);
    return deliver(list, to);
}

Boolean CvtStringToFontStructList(Display *dpy, XrmValuePtr, Cardinal *, XrmValuePtr from, XrmValuePtr to,
                                  XtPointer *)
{
    XrmValue displayArg{sizeof(Display *), reinterpret_cast<XPointer>(&dpy)};
    std::vector<XFontStruct *> fonts;
    try {
        fonts = convert_items<XFontStruct *>(dpy, XtCvtStringToFontStruct, &displayArg, 1, from);
    } catch (...) {
        fonts.clear();
    }
    if (fonts.empty())
        return fail(dpy, from, to, "XtRFontStructList");
    auto *list = static_cast<FontStructList *>(std::malloc(sizeof(FontStructList)));
    list->count = static_cast<int>(fonts.size());
    list->fonts = copy_out(fonts);
    return deliver(list, to);
}
