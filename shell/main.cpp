// dirnaut: fly through the file system as a three-dimensional universe.

#include <X11/Intrinsic.h>
#include <X11/Xmu/Editres.h>

#include <cstdio>
#include <cstdlib>

#include "render/trig_tables.h"
#include "shell/app.h"
#include "shell/options.h"
#include "shell/timer_wait.h"
#include "shell/wm_protocols.h"
#include "universe/universe.h"
#include "widget/MainScreen.h"

namespace {

char appClass[] = "Dirnaut";
char screenName[] = "screen1";

}  // namespace

int main(int argc, char **argv)
{
    XtSetLanguageProc(nullptr, nullptr, nullptr);
    init_trig_tables();
    init_universe();

    XtAppContext app;
    Widget toplevel =
        XtVaAppInitialize(&app, appClass, options, optionCount, &argc, argv, fallbackResources, nullptr);
    if (argc != 1) {
        print_usage(stdout);
        return 1;
    }

    Widget screen = XtVaCreateManagedWidget(screenName, mainScreenWidgetClass, toplevel, nullptr);
    XtGetApplicationResources(toplevel, &appData, appResources, appResourceCount, nullptr, 0);
    XtAddEventHandler(toplevel, 0, True, _XEditResCheckMessages, nullptr);
    wm_bind_close(app, toplevel);
    XtRealizeWidget(toplevel);
    wm_advertise(toplevel);
    install_timer_wait(app, XtDisplay(screen));
    arm_frame_timer(XtWidgetToApplicationContext(screen), frame_interval(appData.delayTicks), tick_timeout, screen);
    XtAppMainLoop(app);
    return 0;
}
