#pragma once

#include <X11/Intrinsic.h>

// Ties the top-level shell to the window manager's conventions: closing the
// window ends the program as the quit key does, and desktop tools can find
// the process from the window.

// Before realize: the shell's own quit action, bound to the protocol messages.
void wm_bind_close(XtAppContext app, Widget toplevel);
// After realize: advertise WM_DELETE_WINDOW and set _NET_WM_PID.
void wm_advertise(Widget toplevel);

// Whether an event asks the shell to close: a WM_PROTOCOLS message naming
// WM_DELETE_WINDOW. Other protocol messages leave the program running.
bool wm_is_delete_request(Display *dpy, const XEvent *event);
