#include "widget/fonts.h"

XFontStruct *server_default_font(Display *dpy)
{
    static Display *cachedFor;
    static XFontStruct *cached;
    if (cached == nullptr || cachedFor != dpy) {
        cached = XQueryFont(dpy, XGContextFromGC(DefaultGC(dpy, DefaultScreen(dpy))));
        cachedFor = dpy;
    }
    return cached;
}
