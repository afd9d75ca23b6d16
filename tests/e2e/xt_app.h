#pragma once

// A toolkit application inside a test process, on the server named by
// DISPLAY, with the program's own options and fallback resources, so that a
// MainScreen widget can be created, realised and driven frame by frame.

#include <X11/Intrinsic.h>

#include <string>
#include <vector>

namespace e2e {

class XtApp {
public:
    // Extra resource lines ("*pitchLimit: 90") override the fallback ones.
    explicit XtApp(const std::vector<std::string> &resources = {});
    ~XtApp();
    XtApp(const XtApp &) = delete;
    XtApp &operator=(const XtApp &) = delete;

    XtAppContext context() const { return app_; }
    Display *display() const { return dpy_; }
    Widget shell() const { return shell_; }
    // Creates screen1 (width x height) and realises the shell.
    Widget create_screen(int width = 640, int height = 480);
    // Dispatches pending events without blocking.
    void process_pending();

private:
    XtAppContext app_ = nullptr;
    Display *dpy_ = nullptr;
    Widget shell_ = nullptr;
    std::vector<std::string> lines_;
    std::vector<char *> fallback_;
};

}  // namespace e2e
