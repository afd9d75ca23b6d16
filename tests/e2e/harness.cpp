#include "tests/e2e/harness.h"

#include <X11/Xutil.h>
#include <fcntl.h>
#include <ftw.h>
#include <sched.h>
#include <sys/prctl.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace e2e {

namespace {

double now()
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

std::string read_file(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string make_temp_dir(const char *prefix)
{
    std::string pattern = std::string("/tmp/") + prefix + "XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("mkdtemp failed");
    return pattern;
}

int remove_entry(const char *path, const struct stat *, int, struct FTW *)
{
    return ::remove(path);
}

// Removes a tree without crossing into anything mounted below it.
void remove_tree(const std::string &path)
{
    nftw(path.c_str(), remove_entry, 16, FTW_DEPTH | FTW_PHYS | FTW_MOUNT);
}

void kill_and_reap(pid_t pid)
{
    if (pid <= 0)
        return;
    ::kill(pid, SIGKILL);
    int status;
    waitpid(pid, &status, 0);
}

void mkdirs(const std::string &path, unsigned mode)
{
    for (std::size_t i = 1; i <= path.size(); ++i)
        if (i == path.size() || path[i] == '/')
            ::mkdir(path.substr(0, i).c_str(), mode);
}

[[noreturn]] void child_fail(const char *what)
{
    std::perror(what);
    _exit(127);
}

// Runs in the child: a private mount namespace whose root is the fixture,
// with the system directories the program needs bound in, then chroot.
void enter_fixture_root(const std::string &root, const std::string &program)
{
    if (unshare(CLONE_NEWNS) != 0)
        child_fail("unshare");
    if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        child_fail("mount private");
    for (const char *dir : {"/usr", "/lib", "/lib64", "/etc", "/tmp/.X11-unix"}) {
        struct stat st;
        if (stat(dir, &st) != 0)
            continue;
        mkdirs(root + dir, 0755);
        if (mount(dir, (root + dir).c_str(), nullptr, MS_BIND | MS_REC, nullptr) != 0)
            child_fail(dir);
    }
    // The sanitizers read /proc/self/maps.
    mkdirs(root + "/proc", 0555);
    if (mount("proc", (root + "/proc").c_str(), "proc", 0, nullptr) != 0)
        child_fail("mount proc");
    // The program itself, under a dot name that never shows as a star.
    mkdirs(root + "/.dirnaut", 0755);
    const std::string target = root + "/.dirnaut/dirnaut";
    ::close(::open(target.c_str(), O_CREAT | O_WRONLY, 0755));
    if (mount(program.c_str(), target.c_str(), nullptr, MS_BIND, nullptr) != 0)
        child_fail("bind program");
    if (chroot(root.c_str()) != 0 || chdir("/") != 0)
        child_fail("chroot");
}

bool has_class(Display *dpy, Window w, const char *resClass)
{
    XClassHint hint{};
    if (!XGetClassHint(dpy, w, &hint))
        return false;
    const bool match = hint.res_class != nullptr && std::strcmp(hint.res_class, resClass) == 0;
    XFree(hint.res_name);
    XFree(hint.res_class);
    return match;
}

std::uint32_t to_rgb(const Visual *visual, unsigned long pixel)
{
    auto channel = [pixel](unsigned long mask) -> std::uint32_t {
        if (mask == 0)
            return 0;
        int shift = 0;
        while (((mask >> shift) & 1) == 0)
            ++shift;
        const unsigned long max = mask >> shift;
        return static_cast<std::uint32_t>(((pixel & mask) >> shift) * 255 / max);
    };
    return channel(visual->red_mask) << 16 | channel(visual->green_mask) << 8 | channel(visual->blue_mask);
}

}  // namespace

// ---- XServer ---------------------------------------------------------------

XServer::XServer(int width, int height, int screens, const std::string &fontPath)
{
    int fds[2];
    if (pipe(fds) != 0)
        throw std::runtime_error("pipe failed");
    pid_ = fork();
    if (pid_ == 0) {
        // A test process that crashes runs no destructor: the server goes with it.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        ::close(fds[0]);
        const int devnull = ::open("/dev/null", O_RDWR);
        dup2(devnull, 0);
        dup2(devnull, 1);
        dup2(devnull, 2);
        const std::string fd = std::to_string(fds[1]);
        const std::string size = std::to_string(width) + "x" + std::to_string(height) + "x24";
        std::vector<std::string> args = {"Xvfb", "-displayfd", fd, "-nolisten", "tcp", "-noreset"};
        for (int i = 0; i < screens; ++i)
            args.insert(args.end(), {"-screen", std::to_string(i), size});
        if (!fontPath.empty())
            args.insert(args.end(), {"-fp", fontPath});
        std::vector<char *> argv;
        for (std::string &a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        execvp("Xvfb", argv.data());
        _exit(127);
    }
    ::close(fds[1]);
    std::string number;
    char c;
    while (::read(fds[0], &c, 1) == 1 && c != '\n')
        number.push_back(c);
    ::close(fds[0]);
    if (number.empty()) {
        kill_and_reap(pid_);
        throw std::runtime_error("Xvfb did not start");
    }
    name_ = ":" + number;
    for (int i = 0; i < 100 && display_ == nullptr; ++i) {
        display_ = XOpenDisplay(name_.c_str());
        if (display_ == nullptr)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    if (display_ == nullptr) {
        kill_and_reap(pid_);
        throw std::runtime_error("cannot connect to Xvfb");
    }
}

XServer::~XServer()
{
    if (display_ != nullptr)
        XCloseDisplay(display_);
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        int status;
        waitpid(pid_, &status, 0);
    }
}

// ---- FixtureRoot -------------------------------------------------------------

FixtureRoot::FixtureRoot() : path_(make_temp_dir("dirnaut-root-"))
{
    ::chmod(path_.c_str(), 0755);
}

FixtureRoot::~FixtureRoot()
{
    remove_tree(path_);
}

void FixtureRoot::mkdir(const std::string &rel, unsigned mode) const
{
    mkdirs(path_ + "/" + rel, 0755);
    ::chmod((path_ + "/" + rel).c_str(), mode);
}

void FixtureRoot::file(const std::string &rel, std::size_t size, unsigned mode) const
{
    const std::string p = path_ + "/" + rel;
    const int fd = ::open(p.c_str(), O_CREAT | O_WRONLY | O_TRUNC, mode);
    if (fd < 0)
        throw std::runtime_error("cannot create " + p);
    if (size > 0 && ftruncate(fd, static_cast<off_t>(size)) != 0)
        throw std::runtime_error("cannot size " + p);
    ::close(fd);
    ::chmod(p.c_str(), mode);
}

void FixtureRoot::symlink(const std::string &target, const std::string &rel) const
{
    if (::symlink(target.c_str(), (path_ + "/" + rel).c_str()) != 0)
        throw std::runtime_error("cannot link " + rel);
}

// ---- Program -----------------------------------------------------------------

Program::Program(const XServer &server, const RunOptions &options) : server_(server)
{
    const std::string dir = make_temp_dir("dirnaut-run-");
    outPath_ = dir + "/stdout";
    errPath_ = dir + "/stderr";
    const std::string program = options.program.empty() ? program_path() : options.program;
    std::fflush(nullptr);
    pid_ = fork();
    if (pid_ == 0) {
        const int out = ::open(outPath_.c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
        const int err = ::open(errPath_.c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
        const int in = ::open("/dev/null", O_RDONLY);
        dup2(in, 0);
        dup2(out, 1);
        dup2(err, 2);
        setpgid(0, 0);
        setenv("DISPLAY", server_.name().c_str(), 1);
        unsetenv("XENVIRONMENT");
        // The program releases nothing at exit by design; a sanitizer build
        // must not turn that into a failing exit status.
        const char *asan = std::getenv("ASAN_OPTIONS");
        setenv("ASAN_OPTIONS", (std::string(asan != nullptr ? asan : "") + ":detect_leaks=0").c_str(), 1);
        unsetenv("XAPPLRESDIR");
        std::string exe = program;
        if (options.root != nullptr) {
            enter_fixture_root(options.root->path(), program);
            exe = "/.dirnaut/dirnaut";
        }
        std::vector<char *> argv;
        argv.push_back(const_cast<char *>("dirnaut"));
        for (const std::string &a : options.args)
            argv.push_back(const_cast<char *>(a.c_str()));
        argv.push_back(nullptr);
        execv(exe.c_str(), argv.data());
        child_fail("execv");
    }
}

Program::~Program()
{
    if (status_ < 0 && pid_ > 0) {
        ::kill(-pid_, SIGKILL);
        kill_and_reap(pid_);
    }
    const std::string dir = outPath_.substr(0, outPath_.rfind('/'));
    remove_tree(dir);
}

bool Program::running()
{
    if (status_ >= 0)
        return false;
    int status;
    const pid_t r = waitpid(pid_, &status, WNOHANG);
    if (r == pid_) {
        status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        return false;
    }
    return true;
}

int Program::wait_exit(double timeoutSeconds)
{
    wait_until([this] { return !running(); }, timeoutSeconds);
    return status_;
}

Window Program::wait_for_window(double timeoutSeconds)
{
    Display *dpy = server_.display();
    wait_until(
        [&] {
            if (!running())
                return true;
            Window root, parent, *children = nullptr;
            unsigned int n = 0;
            XQueryTree(dpy, DefaultRootWindow(dpy), &root, &parent, &children, &n);
            for (unsigned int i = 0; i < n && top_ == 0; ++i) {
                XWindowAttributes a;
                if (has_class(dpy, children[i], "Dirnaut") && XGetWindowAttributes(dpy, children[i], &a) &&
                    a.map_state == IsViewable)
                    top_ = children[i];
            }
            if (children != nullptr)
                XFree(children);
            return top_ != 0;
        },
        timeoutSeconds);
    return top_;
}

Window Program::screen_window(double timeoutSeconds)
{
    const Window top = wait_for_window(timeoutSeconds);
    if (top == 0)
        return 0;
    Display *dpy = server_.display();
    Window root, parent, *children = nullptr, found = 0;
    unsigned int n = 0;
    XQueryTree(dpy, top, &root, &parent, &children, &n);
    if (n > 0)
        found = children[0];
    if (children != nullptr)
        XFree(children);
    return found;
}

std::string Program::out() const
{
    return read_file(outPath_);
}

std::string Program::err() const
{
    return read_file(errPath_);
}

// ---- pixels and input ----------------------------------------------------------

int Image::count(std::uint32_t rgb) const
{
    int n = 0;
    for (std::uint32_t p : pixels)
        n += p == rgb;
    return n;
}

Box colour_box(const Image &image, std::uint32_t rgb, int y0, int y1)
{
    Box b;
    for (int y = std::max(y0, 0); y < image.height && y < y1; ++y)
        for (int x = 0; x < image.width; ++x)
            if (image.at(x, y) == rgb) {
                b.left = std::min(b.left, x);
                b.right = std::max(b.right, x);
                b.top = std::min(b.top, y);
                b.bottom = std::max(b.bottom, y);
            }
    return b;
}

Image grab(Display *dpy, Window w)
{
    Image image;
    XWindowAttributes a;
    if (w == 0 || !XGetWindowAttributes(dpy, w, &a))
        return image;
    // The window may change between the two requests (resized, moved partly
    // off the screen, unmapped): the read then fails with an X error, which
    // must give an empty image rather than end the test process.
    XErrorHandler previous = XSetErrorHandler([](Display *, XErrorEvent *) { return 0; });
    XImage *x = XGetImage(dpy, w, 0, 0, a.width, a.height, AllPlanes, ZPixmap);
    XSetErrorHandler(previous);
    if (x == nullptr)
        return image;
    image.width = a.width;
    image.height = a.height;
    image.pixels.resize(static_cast<std::size_t>(a.width) * a.height);
    for (int y = 0; y < a.height; ++y)
        for (int i = 0; i < a.width; ++i)
            image.pixels[static_cast<std::size_t>(y) * a.width + i] = to_rgb(a.visual, XGetPixel(x, i, y));
    XDestroyImage(x);
    return image;
}

std::uint32_t rgb_of(Display *dpy, const std::string &colourName)
{
    XColor c;
    const Colormap cmap = DefaultColormap(dpy, DefaultScreen(dpy));
    if (!XParseColor(dpy, cmap, colourName.c_str(), &c) || !XAllocColor(dpy, cmap, &c))
        throw std::runtime_error("no colour " + colourName);
    return to_rgb(DefaultVisual(dpy, DefaultScreen(dpy)), c.pixel);
}

void window_size(Display *dpy, Window w, int &width, int &height)
{
    XWindowAttributes a{};
    XGetWindowAttributes(dpy, w, &a);
    width = a.width;
    height = a.height;
}

bool save_png(const Image &image, const std::string &path)
{
    const std::string ppm = path + ".ppm";
    {
        std::ofstream out(ppm, std::ios::binary);
        out << "P6\n" << image.width << " " << image.height << "\n255\n";
        for (std::uint32_t p : image.pixels) {
            const char rgb[3] = {static_cast<char>(p >> 16), static_cast<char>(p >> 8), static_cast<char>(p)};
            out.write(rgb, 3);
        }
    }
    const int rc = std::system(("convert '" + ppm + "' '" + path + "' 2>/dev/null").c_str());
    ::remove(ppm.c_str());
    return rc == 0;
}

int xdotool(const XServer &server, const std::string &arguments)
{
    const std::string command = "DISPLAY=" + server.name() + " xdotool " + arguments + " >/dev/null 2>&1";
    const int rc = std::system(command.c_str());
    return WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
}

bool wait_until(const std::function<bool()> &cond, double timeoutSeconds)
{
    const double end = now() + timeoutSeconds;
    for (;;) {
        if (cond())
            return true;
        if (now() > end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

std::string program_path()
{
    return DIRNAUT_PROGRAM;
}

}  // namespace e2e
