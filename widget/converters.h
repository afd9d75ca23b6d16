#pragma once

#include <X11/Intrinsic.h>

// String to PixelList and String to FontStructList, with the toolkit's
// converter signature and size protocol.
Boolean CvtStringToPixelList(Display *dpy, XrmValuePtr args, Cardinal *numArgs, XrmValuePtr from,
                             XrmValuePtr to, XtPointer *converterData);
Boolean CvtStringToFontStructList(Display *dpy, XrmValuePtr args, Cardinal *numArgs, XrmValuePtr from,
                                  XrmValuePtr to, XtPointer *converterData);
