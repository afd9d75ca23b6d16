// The MainScreen widget class: a Simple widget that owns the universe view.

#include <X11/IntrinsicP.h>
#include <X11/StringDefs.h>
#include <X11/Xaw/SimpleP.h>

#include "hud/message.h"
#include "navigation/viewpoint.h"
#include "universe/universe.h"
#include "widget/MainScreenP.h"
#include "widget/actions.h"
#include "widget/converters.h"
#include "widget/surfaces.h"

namespace {

#define OFFSET(field) XtOffsetOf(MainScreenRec, mainScreen.field)

// Xt wants writable strings in its tables.
char XtNinfoColor[] = "infoColor", XtCInfoColor[] = "InfoColor";
char XtNalertColor[] = "alertColor", XtCAlertColor[] = "AlertColor";
char XtNmeasureColor[] = "measureColor", XtCMeasureColor[] = "MeasureColor";
char XtNcursorColor[] = "cursorColor", XtCCursorColor[] = "CursorColor";
char XtNinnerRootColor[] = "innerRootColor", XtCInnerRootColor[] = "InnerRootColor";
char XtNinnerGalaxyColors[] = "innerGalaxyColors", XtCInnerGalaxyColors[] = "InnerGalaxyColors";
char XtNinnerUnreadableGalaxyColors[] = "innerUnreadableGalaxyColors",
     XtCInnerUnreadableGalaxyColors[] = "InnerUnreadableGalaxyColors";
char XtNinnerPlanetColors[] = "innerPlanetColors", XtCInnerPlanetColors[] = "InnerPlanetColors";
char XtNinnerUnreadablePlanetColors[] = "innerUnreadablePlanetColors",
     XtCInnerUnreadablePlanetColors[] = "InnerUnreadablePlanetColors";
char XtNinnerWormholeColors[] = "innerWormholeColors", XtCInnerWormholeColors[] = "InnerWormholeColors";
char XtNinnerLabelColor[] = "innerLabelColor", XtCInnerLabelColor[] = "InnerLabelColor";
char XtNouterRootColor[] = "outerRootColor", XtCOuterRootColor[] = "OuterRootColor";
char XtNouterGalaxyColors[] = "outerGalaxyColors", XtCOuterGalaxyColors[] = "OuterGalaxyColors";
char XtNouterUnreadableGalaxyColors[] = "outerUnreadableGalaxyColors",
     XtCOuterUnreadableGalaxyColors[] = "OuterUnreadableGalaxyColors";
char XtNouterPlanetColors[] = "outerPlanetColors", XtCOuterPlanetColors[] = "OuterPlanetColors";
char XtNouterUnreadablePlanetColors[] = "outerUnreadablePlanetColors",
     XtCOuterUnreadablePlanetColors[] = "OuterUnreadablePlanetColors";
char XtNouterWormholeColors[] = "outerWormholeColors", XtCOuterWormholeColors[] = "OuterWormholeColors";
char XtNouterLabelColor[] = "outerLabelColor", XtCOuterLabelColor[] = "OuterLabelColor";
char XtNshowInfo[] = "showInfo", XtCShowInfo[] = "ShowInfo";
char XtNshowMeasure[] = "showMeasure", XtCShowMeasure[] = "ShowMeasure";
char XtNshowLabel[] = "showLabel", XtCShowLabel[] = "ShowLabel";
char XtNinfoFont[] = "infoFont", XtCInfoFont[] = "InfoFont";
char XtNalertFont[] = "alertFont", XtCAlertFont[] = "AlertFont";
char XtNmeasureFont[] = "measureFont", XtCMeasureFont[] = "MeasureFont";
char XtNlabelFonts[] = "labelFonts", XtCLabelFonts[] = "LabelFonts";
char XtNcurrentGalaxyLineWidth[] = "currentGalaxyLineWidth", XtCCurrentGalaxyLineWidth[] = "CurrentGalaxyLineWidth";
char XtNcursorSize[] = "cursorSize", XtCCursorSize[] = "CursorSize";
char XtNpitchLimit[] = "pitchLimit", XtCPitchLimit[] = "PitchLimit";
char XtNviewAllFiles[] = "viewAllFiles", XtCViewAllFiles[] = "ViewAllFiles";
char RPixelList[] = "PixelList", RFontStructList[] = "FontStructList";
char DefaultForeground[] = "XtDefaultForeground", DefaultBackground[] = "XtDefaultBackground";
// Resources without a default stay zero (null) unless a value converts. An
// empty String default would not do: when the value fails to convert, the
// toolkit copies the unconverted text into the field instead.
char *const NoDefault = const_cast<char *>(XtRImmediate);

XtResource resources[] = {
    {const_cast<char *>(XtNbackground), const_cast<char *>(XtCBackground), const_cast<char *>(XtRPixel),
     sizeof(Pixel), OFFSET(background), const_cast<char *>(XtRString), DefaultBackground},
    {const_cast<char *>(XtNtranslations), const_cast<char *>(XtCTranslations),
     const_cast<char *>(XtRTranslationTable), sizeof(XtTranslations), OFFSET(translations),
     const_cast<char *>(XtRString), defaultTranslations},
#define PIXEL(name, cls, field) \
    {name, cls, const_cast<char *>(XtRPixel), sizeof(Pixel), OFFSET(field), const_cast<char *>(XtRString), DefaultForeground}
#define PIXEL_LIST(name, cls, field) \
    {name, cls, RPixelList, sizeof(PixelList *), OFFSET(field), const_cast<char *>(XtRString), DefaultForeground}
    PIXEL(XtNinfoColor, XtCInfoColor, infoColor),
    PIXEL(XtNalertColor, XtCAlertColor, alertColor),
    PIXEL(XtNmeasureColor, XtCMeasureColor, measureColor),
    PIXEL(XtNcursorColor, XtCCursorColor, cursorColor),
    PIXEL(XtNinnerRootColor, XtCInnerRootColor, innerRootColor),
    PIXEL_LIST(XtNinnerGalaxyColors, XtCInnerGalaxyColors, innerGalaxyColors),
    PIXEL_LIST(XtNinnerUnreadableGalaxyColors, XtCInnerUnreadableGalaxyColors, innerUnreadableGalaxyColors),
    PIXEL_LIST(XtNinnerPlanetColors, XtCInnerPlanetColors, innerPlanetColors),
    PIXEL_LIST(XtNinnerUnreadablePlanetColors, XtCInnerUnreadablePlanetColors, innerUnreadablePlanetColors),
    PIXEL_LIST(XtNinnerWormholeColors, XtCInnerWormholeColors, innerWormholeColors),
    PIXEL(XtNinnerLabelColor, XtCInnerLabelColor, innerLabelColor),
    PIXEL(XtNouterRootColor, XtCOuterRootColor, outerRootColor),
    PIXEL_LIST(XtNouterGalaxyColors, XtCOuterGalaxyColors, outerGalaxyColors),
    PIXEL_LIST(XtNouterUnreadableGalaxyColors, XtCOuterUnreadableGalaxyColors, outerUnreadableGalaxyColors),
    PIXEL_LIST(XtNouterPlanetColors, XtCOuterPlanetColors, outerPlanetColors),
    PIXEL_LIST(XtNouterUnreadablePlanetColors, XtCOuterUnreadablePlanetColors, outerUnreadablePlanetColors),
    PIXEL_LIST(XtNouterWormholeColors, XtCOuterWormholeColors, outerWormholeColors),
    PIXEL(XtNouterLabelColor, XtCOuterLabelColor, outerLabelColor),
#undef PIXEL
#undef PIXEL_LIST
    {XtNshowInfo, XtCShowInfo, const_cast<char *>(XtRBoolean), sizeof(Boolean), OFFSET(showInfo),
     const_cast<char *>(XtRImmediate), reinterpret_cast<XtPointer>(True)},
    {XtNshowMeasure, XtCShowMeasure, const_cast<char *>(XtRBoolean), sizeof(Boolean), OFFSET(showMeasure),
     const_cast<char *>(XtRImmediate), reinterpret_cast<XtPointer>(True)},
    {XtNshowLabel, XtCShowLabel, const_cast<char *>(XtRBoolean), sizeof(Boolean), OFFSET(showLabel),
     const_cast<char *>(XtRImmediate), reinterpret_cast<XtPointer>(True)},
    {XtNinfoFont, XtCInfoFont, const_cast<char *>(XtRFontStruct), sizeof(XFontStruct *), OFFSET(infoFont),
     NoDefault, nullptr},
    {XtNalertFont, XtCAlertFont, const_cast<char *>(XtRFontStruct), sizeof(XFontStruct *), OFFSET(alertFont),
     NoDefault, nullptr},
    {XtNmeasureFont, XtCMeasureFont, const_cast<char *>(XtRFontStruct), sizeof(XFontStruct *), OFFSET(measureFont),
     NoDefault, nullptr},
    {XtNlabelFonts, XtCLabelFonts, RFontStructList, sizeof(FontStructList *), OFFSET(labelFonts),
     NoDefault, nullptr},
    {XtNcurrentGalaxyLineWidth, XtCCurrentGalaxyLineWidth, const_cast<char *>(XtRInt), sizeof(int),
     OFFSET(currentGalaxyLineWidth), NoDefault, nullptr},
    {XtNcursorSize, XtCCursorSize, const_cast<char *>(XtRInt), sizeof(int), OFFSET(cursorSize),
     NoDefault, nullptr},
    {XtNpitchLimit, XtCPitchLimit, const_cast<char *>(XtRInt), sizeof(int), OFFSET(pitchLimit),
     NoDefault, nullptr},
    {XtNviewAllFiles, XtCViewAllFiles, const_cast<char *>(XtRBoolean), sizeof(Boolean), OFFSET(viewAllFiles),
     const_cast<char *>(XtRImmediate), reinterpret_cast<XtPointer>(False)},
};
#undef OFFSET

void ClassInitialize()
{
    XtSetTypeConverter(XtRString, RPixelList, CvtStringToPixelList, const_cast<XtConvertArgList>(colorConvertArgs), 2, XtCacheAll, nullptr);
    XtSetTypeConverter(XtRString, RFontStructList, CvtStringToFontStructList, const_cast<XtConvertArgList>(colorConvertArgs), 2, XtCacheAll,
                       nullptr);
    set_scan_notice(show_scan_notice);
}

void Initialize(Widget, Widget neww, ArgList, Cardinal *)
{
    MainScreenPart &ms = screen_part(neww);
    ms.pixmap = None;
    ms.velocityOp = nullptr;
    ms.cursorOp = nullptr;
    ms.navigationState = 0;
    ms.flyingMode = 0;
    ms.frozen = False;
    ms.velocity = 0;
    ms.cursorDx = 0;
    ms.cursorDy = 0;
    // Without its galaxy stack the widget could draw nothing; say so and stop
    // rather than fail later on a null stack.
    if (viewpoint_init(ms.viewpoint) != 0)
        XtAppError(XtWidgetToApplicationContext(neww), "MainScreen: cannot allocate the galaxy stack");
}

void Realize(Widget w, XtValueMask *mask, XSetWindowAttributes *attributes)
{
    (*simpleWidgetClass->core_class.realize)(w, mask, attributes);
}

char className[] = "MainScreen";

}  // namespace

MainScreenClassRec mainScreenClassRec = {
    {
        /* superclass            */ reinterpret_cast<WidgetClass>(&simpleClassRec),
        /* class_name            */ className,
        /* widget_size           */ sizeof(MainScreenRec),
        /* class_initialize      */ ClassInitialize,
        /* class_part_initialize */ nullptr,
        /* class_inited          */ False,
        /* initialize            */ Initialize,
        /* initialize_hook       */ nullptr,
        /* realize               */ Realize,
        /* actions               */ mainScreenActions,
        /* num_actions           */ mainScreenActionCount,
        /* resources             */ resources,
        /* num_resources         */ XtNumber(resources),
        /* xrm_class             */ NULLQUARK,
        /* compress_motion       */ False,
        /* compress_exposure     */ XtExposeCompressSeries,
        /* compress_enterleave   */ True,
        /* visible_interest      */ False,
        /* destroy               */ nullptr,
        /* resize                */ surfaces_resize,
        /* expose                */ surfaces_expose,
        /* set_values            */ nullptr,
        /* set_values_hook       */ nullptr,
        /* set_values_almost     */ XtInheritSetValuesAlmost,
        /* get_values_hook       */ nullptr,
        /* accept_focus          */ XtInheritAcceptFocus,
        /* version               */ XtVersion,
        /* callback_private      */ nullptr,
        /* tm_table              */ defaultTranslations,
        /* query_geometry        */ XtInheritQueryGeometry,
        /* display_accelerator   */ XtInheritDisplayAccelerator,
        /* extension             */ nullptr,
    },
    {
        /* change_sensitive      */ XtInheritChangeSensitive,
#ifndef OLDXAW
        /* extension             */ nullptr,
#endif
    },
    {
        /* empty                 */ 0,
    },
};

WidgetClass mainScreenWidgetClass = reinterpret_cast<WidgetClass>(&mainScreenClassRec);
