#pragma once

#include <X11/IntrinsicP.h>
#include <X11/Xaw/SimpleP.h>

#include "navigation/viewpoint.h"
#include "widget/MainScreen.h"
#include "widget/lists.h"
#include "widget/surfaces.h"

struct Star;

// Operations installed by the input actions and applied by every frame.
using VelocityOp = void (*)(Widget w, double x);
using CursorOp = void (*)(Widget w, double a, double b);

struct MainScreenClassPart {
    int empty;  // the class adds no data of its own
};

typedef struct _MainScreenClassRec {
    CoreClassPart core_class;
    SimpleClassPart simple_class;
    MainScreenClassPart mainScreen_class;
} MainScreenClassRec;

extern MainScreenClassRec mainScreenClassRec;

// Xt allocates this record zero-filled and moves it with memmove: plain fields only.
struct MainScreenPart {
    // resources
    Pixel background;
    XtTranslations translations;  // own copy, not consulted
    Pixel infoColor;
    Pixel alertColor;
    Pixel measureColor;
    Pixel cursorColor;
    Pixel innerRootColor;
    PixelList *innerGalaxyColors;
    PixelList *innerUnreadableGalaxyColors;
    PixelList *innerPlanetColors;
    PixelList *innerUnreadablePlanetColors;
    PixelList *innerWormholeColors;
    Pixel innerLabelColor;
    Pixel outerRootColor;
    PixelList *outerGalaxyColors;
    PixelList *outerUnreadableGalaxyColors;
    PixelList *outerPlanetColors;
    PixelList *outerUnreadablePlanetColors;
    PixelList *outerWormholeColors;
    Pixel outerLabelColor;
    XFontStruct *infoFont;  // may be null
    XFontStruct *alertFont;
    XFontStruct *measureFont;
    FontStructList *labelFonts;
    Boolean showInfo;
    Boolean showMeasure;
    Boolean showLabel;
    Boolean viewAllFiles;
    int currentGalaxyLineWidth;
    int cursorSize;
    int pitchLimit;

    // surfaces, built by the frame tick and dropped by resize
    Pixmap pixmap;
    GC copyGC, backgroundGC, infoGC, alertGC, measureGC, cursorGC;
    GC rootGCs[2];                      // [side]
    ColorGCSet *galaxyGCSets[2][2];     // [side][readable]
    ColorGCSet *planetGCSets[2][2];     // [side][readable]
    ColorGCSet *wormholeGCSets[2];      // [side]
    LabelFontSet *labelFontSets[2];     // [side]
    int centerX, centerY;
    XRectangle headingTapeArea, pitchTapeArea;

    // run-time state
    VelocityOp velocityOp;
    double velocityOpArg;
    CursorOp cursorOp;
    double cursorOpArgX, cursorOpArgY;
    int navigationState;  // 0 steering, 2 re-levelling
    int flyingMode;       // 0 polar, 1 cartesian
    Boolean frozen;
    double velocity;      // radii of the current galaxy per 50 frames
    int cursorDx, cursorDy;
    Viewpoint viewpoint;
    Star *pickedStar;
};

typedef struct _MainScreenRec {
    CorePart core;
    SimplePart simple;
    MainScreenPart mainScreen;
} MainScreenRec;

inline MainScreenPart &screen_part(Widget w)
{
    return reinterpret_cast<MainScreenWidget>(w)->mainScreen;
}
