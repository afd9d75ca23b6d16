#include "shell/wm_protocols.h"

#include <X11/Xatom.h>
#include <unistd.h>

#include <cstdlib>

namespace {

Atom atom(Display *dpy, const char *name)
{
    return XInternAtom(dpy, name, False);
}

// Any event but a client message quits, so the action also serves a user's
// own shell binding; of the client messages only the delete request does.
void ShellQuit(Widget w, XEvent *event, String *, Cardinal *)
{
    if (event != nullptr && event->type == ClientMessage && !wm_is_delete_request(XtDisplay(w), event))
        return;
    std::exit(0);
}

char nQuit[] = "quit";
XtActionsRec shellActions[] = {{nQuit, ShellQuit}};
char closeTranslation[] = "<Message>WM_PROTOCOLS: quit()";

}  // namespace

bool wm_is_delete_request(Display *dpy, const XEvent *event)
{
    if (event->type != ClientMessage || event->xclient.format != 32)
        return false;
    return event->xclient.message_type == atom(dpy, "WM_PROTOCOLS") &&
           static_cast<Atom>(event->xclient.data.l[0]) == atom(dpy, "WM_DELETE_WINDOW");
}

void wm_bind_close(XtAppContext app, Widget toplevel)
{
    XtAppAddActions(app, shellActions, XtNumber(shellActions));
    XtOverrideTranslations(toplevel, XtParseTranslationTable(closeTranslation));
}

void wm_advertise(Widget toplevel)
{
    Display *dpy = XtDisplay(toplevel);
    const Window win = XtWindow(toplevel);
    Atom deleteWindow = atom(dpy, "WM_DELETE_WINDOW");
    XSetWMProtocols(dpy, win, &deleteWindow, 1);
    // CARDINAL properties travel as longs in Xlib, whatever their width.
    const long pid = static_cast<long>(getpid());
    XChangeProperty(dpy, win, atom(dpy, "_NET_WM_PID"), XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char *>(&pid), 1);
}
