// The program's command-line options, application resources, fallback
// resources and usage text.

#include "shell/options.h"

#include <X11/StringDefs.h>

#include "shell/app.h"

namespace {

// Xt wants writable strings in its tables.
char nTitleMode[] = "titleMode", cTitleMode[] = "TitleMode";
char nDelayTicks[] = "delayTicks", cDelayTicks[] = "DelayTicks";
char defaultDelay[] = "50";

char oBg[] = "-bg", oBackground[] = "-background", rBackground[] = "*Background";
char oG[] = "-g", oGeom[] = "-geom", oGeometry[] = "-geometry", rGeometry[] = "*Geometry";
char oT[] = "-t", oTitlemode[] = "-titlemode", rTitleMode[] = "*TitleMode";
char oV[] = "-v", oViewall[] = "-viewall", rViewAllFiles[] = "*ViewAllFiles";
char oDelay[] = "-delay", oDelayticks[] = "-delayticks", rDelayTicks[] = "*DelayTicks";
char vTrue[] = "True";

char f01[] = "*geometry: 640x480", f02[] = "*background: rgb:0/0/2", f03[] = "*infoColor: green",
     f04[] = "*alertColor: red", f05[] = "*measureColor: green", f06[] = "*cursorColor: white",
     f07[] = "*innerRootColor: blue", f08[] = "*innerGalaxyColors: cyan,gray",
     f09[] = "*innerUnreadableGalaxyColors: magenta", f10[] = "*innerPlanetColors: yellow,orange,violet,red",
     f11[] = "*innerUnreadablePlanetColors: magenta", f12[] = "*innerWormholeColors: green",
     f13[] = "*innerLabelColor: white", f14[] = "*outerRootColor: blue",
     f15[] = "*outerGalaxyColors: rgb:0/8/8,rgb:6/6/6", f16[] = "*outerUnreadableGalaxyColors: rgb:c/0/c",
     f17[] = "*outerPlanetColors: rgb:c/c/0,darkorange,darkviolet,brown",
     f18[] = "*outerUnreadablePlanetColors: rgb:c/0/c", f19[] = "*outerWormholeColors: rgb:0/8/0",
     f20[] = "*outerLabelColor: gray", f21[] = "*infoFont: *adobe-courier-bold-r*180*",
     f22[] = "*alertFont: *adobe-helvetica-bold-o*240*", f23[] = "*measureFont: *adobe-helvetica-medium-r*120*",
     f24[] = "*labelFonts: *adobe-courier-bold*10*,*adobe-courier-bold*12*,*adobe-courier-bold*14*,"
             "*adobe-courier-bold*18*,*adobe-courier-bold*24*",
     f25[] = "*currentGalaxyLineWidth: 2", f26[] = "*cursorSize: 20", f27[] = "*pitchLimit: 70",
     f28[] = "*viewAllFiles: False";

}  // namespace

XtResource appResources[] = {
    {nTitleMode, cTitleMode, const_cast<char *>(XtRBoolean), sizeof(Boolean), XtOffsetOf(AppData, titleMode),
     const_cast<char *>(XtRImmediate), reinterpret_cast<XtPointer>(False)},
    {nDelayTicks, cDelayTicks, const_cast<char *>(XtRInt), sizeof(int), XtOffsetOf(AppData, delayTicks),
     const_cast<char *>(XtRString), defaultDelay},
};

XrmOptionDescRec options[] = {
    {oBg, rBackground, XrmoptionSepArg, nullptr},
    {oBackground, rBackground, XrmoptionSepArg, nullptr},
    {oG, rGeometry, XrmoptionSepArg, nullptr},
    {oGeom, rGeometry, XrmoptionSepArg, nullptr},
    {oGeometry, rGeometry, XrmoptionSepArg, nullptr},
    {oT, rTitleMode, XrmoptionNoArg, vTrue},
    {oTitlemode, rTitleMode, XrmoptionNoArg, vTrue},
    {oV, rViewAllFiles, XrmoptionNoArg, vTrue},
    {oViewall, rViewAllFiles, XrmoptionNoArg, vTrue},
    {oDelay, rDelayTicks, XrmoptionSepArg, nullptr},
    {oDelayticks, rDelayTicks, XrmoptionSepArg, nullptr},
};

String fallbackResources[] = {f01, f02, f03, f04, f05, f06, f07, f08, f09, f10, f11, f12, f13, f14, f15,
                              f16, f17, f18, f19, f20, f21, f22, f23, f24, f25, f26, f27, f28, nullptr};

const Cardinal appResourceCount = XtNumber(appResources);
const Cardinal optionCount = XtNumber(options);

namespace {

constexpr const char *kUsage[] = {
    "dirnaut - $Revision: 1.1.2.2 $ $Date: 2003/01/26 18:29:18 $",
    "usage: dirnaut [-options ...]",
    "    -display dpy         X server to connect",
    "    -background color    background color",
    "    -geometry geom       window geometry",
    "    -titlemode           informative title bar",
    "    -viewall             view all files",
    "    -delayticks n        adjust delays (milliseconds)",
};

}  // namespace

void print_usage(std::FILE *out)
{
    for (const char *line : kUsage)
        std::fprintf(out, "%s\n", line);
}
