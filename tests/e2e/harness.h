#pragma once

// Real-window test harness: a private Xvfb server, the dirnaut program run as
// a child (optionally inside a private mount namespace whose root is a fixture
// tree), the window found and its pixels read back, input sent with xdotool.
// Everything started here is stopped by the destructors, also when a test fails.

#include <X11/Xlib.h>
#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace e2e {

// An Xvfb server on a free display number, with the core X fonts, or with
// only the font directories of fontPath (comma-separated) when it is given.
class XServer {
public:
    explicit XServer(int width = 1280, int height = 1024, int screens = 1, const std::string &fontPath = {});
    ~XServer();
    XServer(const XServer &) = delete;
    XServer &operator=(const XServer &) = delete;

    const std::string &name() const { return name_; }  // ":N"
    Display *display() const { return display_; }       // the test's own connection

private:
    std::string name_;
    pid_t pid_ = -1;
    Display *display_ = nullptr;
};

// A fixture tree usable as the root of a private mount namespace: the caller
// fills it; when the program runs in it, the harness adds the mount points
// /usr /lib /lib64 /etc /tmp/.X11-unix and a hidden copy of the program.
class FixtureRoot {
public:
    FixtureRoot();  // a fresh directory under /tmp
    ~FixtureRoot(); // removes it
    FixtureRoot(const FixtureRoot &) = delete;
    FixtureRoot &operator=(const FixtureRoot &) = delete;

    const std::string &path() const { return path_; }
    void mkdir(const std::string &rel, unsigned mode = 0755) const;
    void file(const std::string &rel, std::size_t size = 0, unsigned mode = 0644) const;
    void symlink(const std::string &target, const std::string &rel) const;

private:
    std::string path_;
};

struct RunOptions {
    std::vector<std::string> args;      // after the program name
    const FixtureRoot *root = nullptr;  // run chrooted at this tree when set
    std::string program{};              // another build of dirnaut; empty: this build's
};

// The dirnaut program run on a server. Standard output and error go to files.
class Program {
public:
    Program(const XServer &server, const RunOptions &options);
    ~Program();  // kills the program if it still runs
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    // The program's top-level window once it is mapped (None after the timeout).
    Window wait_for_window(double timeoutSeconds = 20);
    // The screen1 widget's window (the only child of the top-level window).
    Window screen_window(double timeoutSeconds = 20);
    // Exit status, 128 + signal for a signal, or -1 when it still runs at the timeout.
    int wait_exit(double timeoutSeconds = 10);
    bool running();
    std::string out() const;  // standard output so far
    std::string err() const;  // standard error so far
    pid_t pid() const { return pid_; }

private:
    const XServer &server_;
    pid_t pid_ = -1;
    std::string outPath_, errPath_;
    Window top_ = 0;
    int status_ = -1;
};

// An RGB image of a window, read with XGetImage; pixels as 0xRRGGBB.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    int count(std::uint32_t rgb) const;  // pixels of exactly this colour
};
Image grab(Display *dpy, Window w);

// The bounding box of the pixels of one colour within the rows [y0, y1).
struct Box {
    int left = 1 << 30, right = -1, top = 1 << 30, bottom = -1;
    bool empty() const { return right < 0; }
    int width() const { return right - left + 1; }
    double centre() const { return (left + right) / 2.0; }
};
Box colour_box(const Image &image, std::uint32_t rgb, int y0 = 0, int y1 = 1 << 30);
// The 0xRRGGBB value the server gives a colour name ("blue", "rgb:0/0/2").
std::uint32_t rgb_of(Display *dpy, const std::string &colourName);
void window_size(Display *dpy, Window w, int &width, int &height);
// Saves an image as a PNG (through ImageMagick) for looking at by hand.
bool save_png(const Image &image, const std::string &path);

// Runs xdotool with DISPLAY set to the server; returns its exit status.
int xdotool(const XServer &server, const std::string &arguments);

// Polls cond every 20 ms until it holds or the timeout passes.
bool wait_until(const std::function<bool()> &cond, double timeoutSeconds);

// Path of the dirnaut binary under test.
std::string program_path();

}  // namespace e2e
