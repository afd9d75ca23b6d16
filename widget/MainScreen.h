#pragma once

#include <X11/Intrinsic.h>

// MainScreen widget: the universe view of dirnaut.
//
// Resources:
//
// Name                         Class                         RepType          Default
// ----                         -----                         -------          -------
// background                   Background                    Pixel            XtDefaultBackground
// translations                 Translations                  TranslationTable (default table)
// infoColor                    InfoColor                     Pixel            XtDefaultForeground
// alertColor                   AlertColor                    Pixel            XtDefaultForeground
// measureColor                 MeasureColor                  Pixel            XtDefaultForeground
// cursorColor                  CursorColor                   Pixel            XtDefaultForeground
// innerRootColor               InnerRootColor                Pixel            XtDefaultForeground
// innerGalaxyColors            InnerGalaxyColors             PixelList        XtDefaultForeground
// innerUnreadableGalaxyColors  InnerUnreadableGalaxyColors   PixelList        XtDefaultForeground
// innerPlanetColors            InnerPlanetColors             PixelList        XtDefaultForeground
// innerUnreadablePlanetColors  InnerUnreadablePlanetColors   PixelList        XtDefaultForeground
// innerWormholeColors          InnerWormholeColors           PixelList        XtDefaultForeground
// innerLabelColor              InnerLabelColor               Pixel            XtDefaultForeground
// outerRootColor               OuterRootColor                Pixel            XtDefaultForeground
// outerGalaxyColors            OuterGalaxyColors             PixelList        XtDefaultForeground
// outerUnreadableGalaxyColors  OuterUnreadableGalaxyColors   PixelList        XtDefaultForeground
// outerPlanetColors            OuterPlanetColors             PixelList        XtDefaultForeground
// outerUnreadablePlanetColors  OuterUnreadablePlanetColors   PixelList        XtDefaultForeground
// outerWormholeColors          OuterWormholeColors           PixelList        XtDefaultForeground
// outerLabelColor              OuterLabelColor               Pixel            XtDefaultForeground
// showInfo                     ShowInfo                      Boolean          True
// showMeasure                  ShowMeasure                   Boolean          True
// showLabel                    ShowLabel                     Boolean          True
// infoFont                     InfoFont                      FontStruct       NULL
// alertFont                    AlertFont                     FontStruct       NULL
// measureFont                  MeasureFont                   FontStruct       NULL
// labelFonts                   LabelFonts                    FontStructList   NULL
// currentGalaxyLineWidth       CurrentGalaxyLineWidth        Int              0
// cursorSize                   CursorSize                    Int              0
// pitchLimit                   PitchLimit                    Int              0
// viewAllFiles                 ViewAllFiles                  Boolean          False

// Representation types of the two list converters.
inline constexpr char XtRPixelList[] = "PixelList";
inline constexpr char XtRFontStructList[] = "FontStructList";

typedef struct _MainScreenClassRec *MainScreenWidgetClass;
typedef struct _MainScreenRec *MainScreenWidget;

extern WidgetClass mainScreenWidgetClass;
