#pragma once

#include <X11/Intrinsic.h>

#include <cstdio>

// The eleven options of our own, each mapped straight onto a resource.
extern XrmOptionDescRec options[];
extern const Cardinal optionCount;
// titleMode and delayTicks, fetched into appData.
extern XtResource appResources[];
extern const Cardinal appResourceCount;
// Used when no application defaults file for the class is installed.
extern String fallbackResources[];

// The eight usage lines.
void print_usage(std::FILE *out);
