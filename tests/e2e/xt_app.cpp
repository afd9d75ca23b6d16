#include "tests/e2e/xt_app.h"

#include <X11/Shell.h>
#include <X11/StringDefs.h>

#include <stdexcept>

#include "shell/options.h"
#include "widget/MainScreen.h"

namespace e2e {

XtApp::XtApp(const std::vector<std::string> &resources) : lines_(resources)
{
    // Later lines win over earlier ones for the same resource.
    for (String *p = fallbackResources; *p != nullptr; ++p)
        fallback_.push_back(*p);
    for (std::string &line : lines_)
        fallback_.push_back(line.data());
    fallback_.push_back(nullptr);

    XtToolkitInitialize();
    app_ = XtCreateApplicationContext();
    XtAppSetFallbackResources(app_, fallback_.data());
    int argc = 1;
    char name[] = "dirnaut";
    char *argv[] = {name, nullptr};
    dpy_ = XtOpenDisplay(app_, nullptr, name, "Dirnaut", options, optionCount, &argc, argv);
    if (dpy_ == nullptr)
        throw std::runtime_error("cannot open the display");
    shell_ = XtVaAppCreateShell(name, "Dirnaut", applicationShellWidgetClass, dpy_, nullptr);
}

XtApp::~XtApp()
{
    // The windows go, the connection stays: the toolkit's conversion cache
    // keys fonts by the display pointer, and a new connection at a reused
    // address would be handed font ids of a closed one.
    XtDestroyWidget(shell_);
    process_pending();
}

Widget XtApp::create_screen(int width, int height)
{
    Widget w = XtVaCreateManagedWidget("screen1", mainScreenWidgetClass, shell_, XtNwidth, width, XtNheight,
                                       height, nullptr);
    XtRealizeWidget(shell_);
    XSync(dpy_, False);
    process_pending();
    return w;
}

void XtApp::process_pending()
{
    XSync(dpy_, False);
    while (XtAppPending(app_) != 0)
        XtAppProcessEvent(app_, XtIMAll);
}

}  // namespace e2e
