#pragma once

#include <X11/Intrinsic.h>

// The widget's actions, in the order of the class's action list, and the
// default translation table that binds them.
extern XtActionsRec mainScreenActions[];
extern const Cardinal mainScreenActionCount;
extern char defaultTranslations[];

// The command the open action reports for a picked entry, cut to fit size
// bytes. False, with nothing written, when there is nothing to open.
struct Star;
bool open_command(const Star *picked, const char *templateText, char *out, unsigned long size);
