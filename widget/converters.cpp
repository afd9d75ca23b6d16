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

// Converts every item and delivers the counted list; a list with no valid
// item fails with the warning that names the list type.
template <typename List, typename Element>
Boolean convert_list(Display *dpy, XtTypeConverter converter, XrmValuePtr args, Cardinal numArgs, XrmValuePtr from,
                     XrmValuePtr to, const char *typeName, Element *List::*array)
{
    std::vector<Element> items;
    try {  // nothing may throw back into the toolkit
        items = convert_items<Element>(dpy, converter, args, numArgs, from);
    } catch (...) {
        items.clear();
    }
    auto *list = items.empty() ? nullptr : static_cast<List *>(std::malloc(sizeof(List)));
    auto *elements = list == nullptr ? nullptr : static_cast<Element *>(std::malloc(items.size() * sizeof(Element)));
    if (elements == nullptr) {
        std::free(list);
        return fail(dpy, from, to, typeName);
    }
    std::memcpy(elements, items.data(), items.size() * sizeof(Element));
    list->count = static_cast<int>(items.size());
    list->*array = elements;
    return deliver(list, to);
}

}  // namespace

Boolean CvtStringToPixelList(Display *dpy, XrmValuePtr args, Cardinal *numArgs, XrmValuePtr from, XrmValuePtr to,
                             XtPointer *)
{
    return convert_list(dpy, XtCvtStringToPixel, args, *numArgs, from, to, "XtRPixelList", &PixelList::pixels);
}

Boolean CvtStringToFontStructList(Display *dpy, XrmValuePtr, Cardinal *, XrmValuePtr from, XrmValuePtr to,
                                  XtPointer *)
{
    // The font converter takes the display as its one argument.
    XrmValue displayArg{sizeof(Display *), reinterpret_cast<XPointer>(&dpy)};
    return convert_list(dpy, XtCvtStringToFontStruct, &displayArg, 1, from, to, "XtRFontStructList",
                        &FontStructList::fonts);
}
