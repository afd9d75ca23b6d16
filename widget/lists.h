#pragma once

#include <X11/Xlib.h>

// Counted lists made by the String to PixelList / FontStructList converters.
// The conversion cache owns them for the life of the process.
struct PixelList {
    int count;  // at least 1
    Pixel *pixels;
};

struct FontStructList {
    int count;  // at least 1
    XFontStruct **fonts;
};
