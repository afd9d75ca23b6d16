#pragma once

#include "universe/star.h"

// The star tree and the request pass that grows and prunes it after each frame.

struct _WidgetRec;  // Xt's widget record; the universe only passes the pointer along

// Draws the "Scanning..." notice for a directory on the widget. The X side
// registers it; without one, scans are silent.
using ScanNoticeProc = void (*)(struct _WidgetRec *widget, const char *path);
void set_scan_notice(ScanNoticeProc proc);

// Where scans show their notice; none during the start-up scan.
extern struct _WidgetRec *scanMessageWidget;

// Set by every scan and release: the pass then resolves all wormholes again.
extern bool universeChanged;

// Gives rootGalaxy its initial state, a scan pending, and frees any tree
// below it.
void reset_root_galaxy();

// Sets up the root galaxy and scans "/" with its wormholes resolved. Runs
// before any display exists.
void init_universe();

// The request pass, run after each finished frame: serves scan and release
// requests, then re-resolves wormholes if anything changed.
void update_universe(struct _WidgetRec *widget);

// Serves the requests of s and, when s carries none, of the galaxies below it.
void process_requests(Star *s);

// Frees every record below g and marks it unscanned; always sets
// universeChanged. g's own name, path, placement and axes stay.
void release_galaxy(Star *g);
