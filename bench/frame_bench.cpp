// One frame of the scene (placement, drawing, copy) with about 5,000 stars in
// reach, against a raw replay of the very X requests that frame made. Runs on
// the X server named by DISPLAY (an Xvfb: xvfb-run -a bench/frame_bench).
// Client CPU time only: the server's work is not counted in either figure.

#include <X11/Xlib.h>
#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "bench/frame_universe.h"
#include "navigation/render_context.h"
#include "navigation/scene_place.h"
#include "navigation/viewpoint.h"
#include "render/trig_tables.h"
#include "widget/MainScreenP.h"

// The drawing's Xlib calls go through these wrappers (linked with --wrap), which
// record one frame's calls so that they can be replayed without the scene code.
namespace {

enum class Call { FillArc, DrawArc, DrawSegments, DrawString, TextWidth, SetLineAttributes, FillRectangle, CopyArea };

struct Recorded {
    Call call;
    Drawable src, dst;
    GC gc;
    int v[8];
    std::size_t first;  // into recordedSegments
    XFontStruct *font;
    const char *text;
};

bool recording = false;
bool muted = false;  // skip the real calls: the scene code's own cost
std::vector<Recorded> recorded;
std::vector<XSegment> recordedSegments;

}  // namespace

extern "C" {
int __real_XFillArc(Display *, Drawable, GC, int, int, unsigned, unsigned, int, int);
int __real_XDrawArc(Display *, Drawable, GC, int, int, unsigned, unsigned, int, int);
int __real_XDrawSegments(Display *, Drawable, GC, XSegment *, int);
int __real_XDrawString(Display *, Drawable, GC, int, int, const char *, int);
int __real_XTextWidth(XFontStruct *, const char *, int);
int __real_XSetLineAttributes(Display *, GC, unsigned, int, int, int);
int __real_XFillRectangle(Display *, Drawable, GC, int, int, unsigned, unsigned);
int __real_XCopyArea(Display *, Drawable, Drawable, GC, int, int, unsigned, unsigned, int, int);

// Recording and muting live out of line: a frame that is neither recorded nor
// muted pays one test per call on top of the real call, as a replay does not.
[[gnu::noinline]] static int traced_XFillArc(Display *d, Drawable w, GC gc, int x, int y, unsigned wd, unsigned ht,
                                             int a1, int a2)
{
    if (recording)
        recorded.push_back({Call::FillArc, 0, w, gc, {x, y, int(wd), int(ht), a1, a2}, 0, nullptr, nullptr});
    if (muted)
        return 0;
    return __real_XFillArc(d, w, gc, x, y, wd, ht, a1, a2);
}

[[gnu::noinline]] static int traced_XDrawArc(Display *d, Drawable w, GC gc, int x, int y, unsigned wd, unsigned ht,
                                             int a1, int a2)
{
    if (recording)
        recorded.push_back({Call::DrawArc, 0, w, gc, {x, y, int(wd), int(ht), a1, a2}, 0, nullptr, nullptr});
    if (muted)
        return 0;
    return __real_XDrawArc(d, w, gc, x, y, wd, ht, a1, a2);
}

[[gnu::noinline]] static int traced_XDrawSegments(Display *d, Drawable w, GC gc, XSegment *s, int n)
{
    if (recording) {
        recorded.push_back({Call::DrawSegments, 0, w, gc, {n}, recordedSegments.size(), nullptr, nullptr});
        recordedSegments.insert(recordedSegments.end(), s, s + n);
    }
    if (muted)
        return 0;
    return __real_XDrawSegments(d, w, gc, s, n);
}

[[gnu::noinline]] static int traced_XDrawString(Display *d, Drawable w, GC gc, int x, int y, const char *t, int n)
{
    if (recording)
        recorded.push_back({Call::DrawString, 0, w, gc, {x, y, n}, 0, nullptr, t});
    if (muted)
        return 0;
    return __real_XDrawString(d, w, gc, x, y, t, n);
}

[[gnu::noinline]] static int traced_XTextWidth(XFontStruct *f, const char *t, int n)
{
    if (recording)
        recorded.push_back({Call::TextWidth, 0, 0, nullptr, {n}, 0, f, t});
    if (muted)
        return 0;
    return __real_XTextWidth(f, t, n);
}

[[gnu::noinline]] static int traced_XSetLineAttributes(Display *d, GC gc, unsigned w, int style, int cap, int join)
{
    if (recording)
        recorded.push_back({Call::SetLineAttributes, 0, 0, gc, {int(w), style, cap, join}, 0, nullptr, nullptr});
    if (muted)
        return 0;
    return __real_XSetLineAttributes(d, gc, w, style, cap, join);
}

[[gnu::noinline]] static int traced_XFillRectangle(Display *d, Drawable w, GC gc, int x, int y, unsigned wd,
                                                   unsigned ht)
{
    if (recording)
        recorded.push_back({Call::FillRectangle, 0, w, gc, {x, y, int(wd), int(ht)}, 0, nullptr, nullptr});
    if (muted)
        return 0;
    return __real_XFillRectangle(d, w, gc, x, y, wd, ht);
}

[[gnu::noinline]] static int traced_XCopyArea(Display *d, Drawable s, Drawable w, GC gc, int sx, int sy, unsigned wd,
                                              unsigned ht, int dx, int dy)
{
    if (recording)
        recorded.push_back({Call::CopyArea, s, w, gc, {sx, sy, int(wd), int(ht), dx, dy}, 0, nullptr, nullptr});
    if (muted)
        return 0;
    return __real_XCopyArea(d, s, w, gc, sx, sy, wd, ht, dx, dy);
}

int __wrap_XFillArc(Display *d, Drawable w, GC gc, int x, int y, unsigned wd, unsigned ht, int a1, int a2)
{
    if (recording || muted)
        return traced_XFillArc(d, w, gc, x, y, wd, ht, a1, a2);
    return __real_XFillArc(d, w, gc, x, y, wd, ht, a1, a2);
}

int __wrap_XDrawArc(Display *d, Drawable w, GC gc, int x, int y, unsigned wd, unsigned ht, int a1, int a2)
{
    if (recording || muted)
        return traced_XDrawArc(d, w, gc, x, y, wd, ht, a1, a2);
    return __real_XDrawArc(d, w, gc, x, y, wd, ht, a1, a2);
}

int __wrap_XDrawSegments(Display *d, Drawable w, GC gc, XSegment *s, int n)
{
    if (recording || muted)
        return traced_XDrawSegments(d, w, gc, s, n);
    return __real_XDrawSegments(d, w, gc, s, n);
}

int __wrap_XDrawString(Display *d, Drawable w, GC gc, int x, int y, const char *t, int n)
{
    if (recording || muted)
        return traced_XDrawString(d, w, gc, x, y, t, n);
    return __real_XDrawString(d, w, gc, x, y, t, n);
}

int __wrap_XTextWidth(XFontStruct *f, const char *t, int n)
{
    if (recording || muted)
        return traced_XTextWidth(f, t, n);
    return __real_XTextWidth(f, t, n);
}

int __wrap_XSetLineAttributes(Display *d, GC gc, unsigned w, int style, int cap, int join)
{
    if (recording || muted)
        return traced_XSetLineAttributes(d, gc, w, style, cap, join);
    return __real_XSetLineAttributes(d, gc, w, style, cap, join);
}

int __wrap_XFillRectangle(Display *d, Drawable w, GC gc, int x, int y, unsigned wd, unsigned ht)
{
    if (recording || muted)
        return traced_XFillRectangle(d, w, gc, x, y, wd, ht);
    return __real_XFillRectangle(d, w, gc, x, y, wd, ht);
}

int __wrap_XCopyArea(Display *d, Drawable s, Drawable w, GC gc, int sx, int sy, unsigned wd, unsigned ht, int dx,
                     int dy)
{
    if (recording || muted)
        return traced_XCopyArea(d, s, w, gc, sx, sy, wd, ht, dx, dy);
    return __real_XCopyArea(d, s, w, gc, sx, sy, wd, ht, dx, dy);
}
}

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;

ColorGCSet *make_set(Display *dpy, Drawable d, std::initializer_list<const char *> colours)
{
    auto *set = new ColorGCSet{static_cast<int>(colours.size()), new GC[colours.size()]};
    int i = 0;
    for (const char *name : colours) {
        XColor c, exact;
        XAllocNamedColor(dpy, DefaultColormap(dpy, DefaultScreen(dpy)), name, &c, &exact);
        XGCValues values;
        values.foreground = c.pixel;
        set->gcs[i++] = XCreateGC(dpy, d, GCForeground, &values);
    }
    return set;
}

LabelFontSet *make_fonts(Display *dpy, Drawable d)
{
    const char *names[] = {"*adobe-courier-bold*10*", "*adobe-courier-bold*12*", "*adobe-courier-bold*14*",
                           "*adobe-courier-bold*18*", "*adobe-courier-bold*24*"};
    auto *set = new LabelFontSet{5, new int[5], new GC[5], new XFontStruct *[5]};
    for (int i = 0; i < 5; ++i) {
        XFontStruct *f = XLoadQueryFont(dpy, names[i]);
        if (f == nullptr)
            f = XLoadQueryFont(dpy, "fixed");
        set->fonts[i] = f;
        set->heights[i] = f->ascent + f->descent;
        XGCValues values;
        values.foreground = WhitePixel(dpy, DefaultScreen(dpy));
        values.font = f->fid;
        set->gcs[i] = XCreateGC(dpy, d, GCForeground | GCFont, &values);
    }
    return set;
}

void setup_part(MainScreenPart &part, Display *dpy, Window win)
{
    part.pixmap = XCreatePixmap(dpy, win, kWidth, kHeight, DefaultDepth(dpy, DefaultScreen(dpy)));
    const Drawable p = part.pixmap;
    part.copyGC = XCreateGC(dpy, win, 0, nullptr);
    part.backgroundGC = make_set(dpy, p, {"rgb:0/0/2"})->gcs[0];
    part.rootGCs[0] = make_set(dpy, p, {"blue"})->gcs[0];
    part.rootGCs[1] = part.rootGCs[0];
    for (int side = 0; side < 2; ++side) {
        part.galaxyGCSets[side][1] = make_set(dpy, p, {"cyan", "gray"});
        part.galaxyGCSets[side][0] = make_set(dpy, p, {"magenta"});
        part.planetGCSets[side][1] = make_set(dpy, p, {"yellow", "orange", "violet", "red"});
        part.planetGCSets[side][0] = make_set(dpy, p, {"magenta"});
        part.wormholeGCSets[side] = make_set(dpy, p, {"green"});
        part.labelFontSets[side] = make_fonts(dpy, p);
    }
    part.centerX = kWidth / 2;
    part.centerY = kHeight / 2;
    part.currentGalaxyLineWidth = 2;
    part.showLabel = True;
}

// Time spent in the kernel so far (the X requests' writes and the syncs).
double system_now()
{
    rusage u;
    getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_stime.tv_sec) + static_cast<double>(u.ru_stime.tv_usec) * 1e-6;
}

double cpu_now()
{
    timespec t;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

void frame(Display *dpy, Window win, MainScreenPart &part, Viewpoint &vp)
{
    XFillRectangle(dpy, part.pixmap, part.backgroundGC, 0, 0, kWidth, kHeight);
    scene_run(vp);
    XCopyArea(dpy, part.pixmap, win, part.copyGC, 0, 0, kWidth, kHeight, 0, 0);
}

void replay(Display *dpy)
{
    for (const Recorded &r : recorded) {
        switch (r.call) {
        case Call::FillArc:
            __real_XFillArc(dpy, r.dst, r.gc, r.v[0], r.v[1], unsigned(r.v[2]), unsigned(r.v[3]), r.v[4], r.v[5]);
            break;
        case Call::DrawArc:
            __real_XDrawArc(dpy, r.dst, r.gc, r.v[0], r.v[1], unsigned(r.v[2]), unsigned(r.v[3]), r.v[4], r.v[5]);
            break;
        case Call::DrawSegments:
            __real_XDrawSegments(dpy, r.dst, r.gc, &recordedSegments[r.first], r.v[0]);
            break;
        case Call::DrawString:
            __real_XDrawString(dpy, r.dst, r.gc, r.v[0], r.v[1], r.text, r.v[2]);
            break;
        case Call::TextWidth:
            __real_XTextWidth(r.font, r.text, r.v[0]);
            break;
        case Call::SetLineAttributes:
            __real_XSetLineAttributes(dpy, r.gc, unsigned(r.v[0]), r.v[1], r.v[2], r.v[3]);
            break;
        case Call::FillRectangle:
            __real_XFillRectangle(dpy, r.dst, r.gc, r.v[0], r.v[1], unsigned(r.v[2]), unsigned(r.v[3]));
            break;
        case Call::CopyArea:
            __real_XCopyArea(dpy, r.src, r.dst, r.gc, r.v[0], r.v[1], unsigned(r.v[2]), unsigned(r.v[3]), r.v[4],
                             r.v[5]);
            break;
        }
    }
}

// FNV-1a over the bytes of plain values: a fingerprint of a frame's results.
struct Digest {
    std::uint64_t h = 14695981039346656037ULL;
    void bytes(const void *p, std::size_t n)
    {
        for (std::size_t i = 0; i < n; ++i)
            h = (h ^ static_cast<const unsigned char *>(p)[i]) * 1099511628211ULL;
    }
    template <typename T>
    void add(const T &v) { bytes(&v, sizeof v); }
};

// Every X call of the recorded frame with its arguments (GCs and fonts by their
// server ids, texts by their contents), then what the frame wrote into stars.
void digest_frame(Digest &d, const FrameUniverse &u, const Viewpoint &vp, const MainScreenPart &part)
{
    for (const Recorded &r : recorded) {
        d.add(r.call);
        d.add(r.src);
        d.add(r.dst);
        d.add(r.gc != nullptr ? XGContextFromGC(r.gc) : 0);
        d.add(r.v);
        d.add(r.font != nullptr ? r.font->fid : 0);
        if (r.text != nullptr)
            d.bytes(r.text, static_cast<std::size_t>(r.v[r.call == Call::DrawString ? 2 : 0]));
        if (r.call == Call::DrawSegments)
            d.bytes(&recordedSegments[r.first], sizeof(XSegment) * static_cast<std::size_t>(r.v[0]));
    }
    auto star = [&](const Star &s) {
        d.add(s.viewPosition);
        d.add(s.viewScale);
        d.add(s.level != nullptr ? s.level - vp.levels : -1);
        d.add(s.kind == STAR_GALAXY ? s.request : REQUEST_NONE);
        d.add(&s == part.pickedStar);
    };
    star(rootGalaxy);
    for (const Star &g : u.rootChildren)
        star(g);
    for (const auto &contents : u.contents)
        for (const Star &s : contents)
            star(s);
    d.add(vp.depth);
    d.add(vp.levels[vp.depth].position);
    d.add(part.velocity);
}

// Turns the view by small angles about its up and right axes.
void turn(Viewpoint &vp, double yaw, double pitch)
{
    const Vec3 f = vp.forward, r = vp.right, u = vp.up;
    vp.forward = {f.x * std::cos(yaw) + r.x * std::sin(yaw), f.y * std::cos(yaw) + r.y * std::sin(yaw),
                  f.z * std::cos(yaw) + r.z * std::sin(yaw)};
    vec3_cross(vp.right, u, vp.forward);
    const Vec3 f2 = vp.forward;
    vp.forward = {f2.x * std::cos(pitch) + u.x * std::sin(pitch), f2.y * std::cos(pitch) + u.y * std::sin(pitch),
                  f2.z * std::cos(pitch) + u.z * std::sin(pitch)};
    vec3_formalize(vp.forward);
    vec3_cross(vp.up, vp.forward, vp.right);
    vec3_formalize(vp.up);
    vec3_cross(vp.right, vp.up, vp.forward);
}

// A flight that turns full circles (rings and curves cut at the near plane,
// far-out projections), then heads into a galaxy, through it, out again and
// looks back,
// with the cursor wandering: one fingerprint over all of its frames, to show
// that a change to the scene code leaves every result as it was.
std::uint64_t flight_digest(Display *dpy, Window win, MainScreenPart &part, const FrameUniverse &u, Viewpoint &vp)
{
    Digest d;
    part.velocity = 1;
    for (int i = 0; i < 480; ++i) {
        part.cursorDx = static_cast<int>(200 * std::sin(i * 0.05));
        part.cursorDy = static_cast<int>(150 * std::cos(i * 0.07));
        if (i < 120) {
            turn(vp, 0.0523, 0.031);
        } else if (i == 120) {  // face galaxy 3 from where the viewer stands
            const Vec3 &p = vp.levels[0].position, &g = u.rootChildren[3].position;
            vp.forward = {g.x - p.x, g.y - p.y, g.z - p.z};
            vec3_formalize(vp.forward);
            vp.up = {0, 1, 0};
            vec3_cross(vp.right, vp.up, vp.forward);
            vec3_formalize(vp.right);
            vec3_cross(vp.up, vp.forward, vp.right);
        } else {
            const Vec3 &f = vp.forward;
            vec3_add(vp.levels[vp.depth].position, f.x * 0.01, f.y * 0.01, f.z * 0.01);
            if (i == 380)
                turn(vp, 3.1, 0.1);  // look back at the universe from outside
            else if (i % 50 == 0)
                turn(vp, 0.3, -0.2);
        }
        recorded.clear();
        recordedSegments.clear();
        recording = true;
        frame(dpy, win, part, vp);
        recording = false;
        digest_frame(d, u, vp, part);
    }
    return d.h;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Frame and replay CPU time per frame, medians of rounds of frames.
struct Costs {
    long placed;
    double frame, replay, sceneOnly;
    double frameSystem, replaySystem;  // shares spent in the kernel, over all rounds
};

Costs measure(Display *dpy, Window win, MainScreenPart &part, FrameUniverse &universe, Viewpoint &vp, bool report)
{
    // Settle the requests the first frames post, then record one frame.
    for (int i = 0; i < 20; ++i)
        frame(dpy, win, part, vp);
    XSync(dpy, False);
    recorded.clear();
    recordedSegments.clear();
    recording = true;
    frame(dpy, win, part, vp);
    recording = false;
    XSync(dpy, False);

    long placed = 0;
    for (const auto &g : universe.contents)
        placed += static_cast<long>(g.size());
    if (report) {
        std::size_t arcs = 0, segmentCalls = 0, strings = 0;
        for (const Recorded &r : recorded) {
            arcs += r.call == Call::FillArc || r.call == Call::DrawArc;
            segmentCalls += r.call == Call::DrawSegments;
            strings += r.call == Call::DrawString;
        }
        std::printf("stars in reach: %ld in %zu galaxies\n", placed, universe.rootChildren.size());
        std::printf("X calls per frame: %zu (%zu arcs, %zu segment lists, %zu strings), %zu segments\n",
                    recorded.size(), arcs, segmentCalls, strings, recordedSegments.size());
    }

    constexpr int kRounds = 15;
    constexpr int kFrames = 40;
    std::vector<double> frameTimes, replayTimes;
    double frameSystem = 0, replaySystem = 0;
    for (int round = 0; round < kRounds; ++round) {
        double t0 = cpu_now(), s0 = system_now();
        for (int i = 0; i < kFrames; ++i) {
            frame(dpy, win, part, vp);
            XSync(dpy, False);
        }
        frameTimes.push_back((cpu_now() - t0) / kFrames);
        frameSystem += system_now() - s0;
        t0 = cpu_now();
        s0 = system_now();
        for (int i = 0; i < kFrames; ++i) {
            replay(dpy);
            XSync(dpy, False);
        }
        replayTimes.push_back((cpu_now() - t0) / kFrames);
        replaySystem += system_now() - s0;
    }
    auto sum = [](const std::vector<double> &v) {
        double total = 0;
        for (const double x : v)
            total += x * kFrames;
        return total;
    };
    std::vector<double> mutedTimes;
    muted = true;
    for (int round = 0; round < kRounds; ++round) {
        const double t0 = cpu_now();
        for (int i = 0; i < kFrames; ++i)
            frame(dpy, win, part, vp);
        mutedTimes.push_back((cpu_now() - t0) / kFrames);
    }
    muted = false;
    return {placed,
            median(frameTimes),
            median(replayTimes),
            median(mutedTimes),
            frameSystem / sum(frameTimes),
            replaySystem / sum(replayTimes)};
}

void build_scene(FrameUniverse &universe, Viewpoint &vp, int galaxies, int starsPerGalaxy)
{
    universe = FrameUniverse{};
    build_frame_universe(universe, galaxies, starsPerGalaxy);
    vp = Viewpoint{};
    viewpoint_init(vp);
    vp.levels[0].position = {0, 0.1, -1.6};
}

}  // namespace

// usage: frame_bench [--digest | --scene-only [frames] | --scale | galaxies stars-per-galaxy]
int main(int argc, char **argv)
{
    // --scene-only [frames]: just the scene code, X calls skipped, for a profiler.
    // --digest: a fingerprint of every result of a flight, nothing timed.
    // --scale: the frame cost at about 1k, 5k and 20k stars in reach.
    const std::string mode = argc > 1 ? argv[1] : "";
    const bool sceneOnly = mode == "--scene-only";
    const bool digestOnly = mode == "--digest";
    const bool scale = mode == "--scale";
    int galaxies = 20, starsPerGalaxy = 256;
    if (argc > 2 && mode[0] != '-') {
        galaxies = std::atoi(argv[1]);
        starsPerGalaxy = std::atoi(argv[2]);
        if (galaxies < 1 || starsPerGalaxy < 1) {
            std::fprintf(stderr, "frame_bench: galaxies and stars per galaxy must be at least 1\n");
            return 1;
        }
    }
    Display *dpy = XOpenDisplay(nullptr);
    if (dpy == nullptr) {
        std::fprintf(stderr, "frame_bench: no X server (run it under xvfb-run -a)\n");
        return 1;
    }
    init_trig_tables();
    const Window win = XCreateSimpleWindow(dpy, DefaultRootWindow(dpy), 0, 0, kWidth, kHeight, 0, 0, 0);
    XMapWindow(dpy, win);
    XSync(dpy, False);

    static MainScreenPart part{};
    setup_part(part, dpy, win);
    FrameUniverse universe;
    Viewpoint vp{};
    build_scene(universe, vp, galaxies, starsPerGalaxy);

    renderContext = RenderContext{};
    renderContext.display = dpy;
    renderContext.part = &part;
    renderContext.pixmap = part.pixmap;
    renderContext.width = kWidth;
    renderContext.centerX = part.centerX;
    renderContext.centerY = part.centerY;

    if (digestOnly) {
        std::printf("flight digest: %016llx\n",
                    static_cast<unsigned long long>(flight_digest(dpy, win, part, universe, vp)));
        return 0;
    }

    if (sceneOnly) {
        for (int i = 0; i < 20; ++i)
            frame(dpy, win, part, vp);
        muted = true;
        const int frames = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5000;
        const double t0 = cpu_now();
        for (int i = 0; i < frames; ++i)
            frame(dpy, win, part, vp);
        std::printf("scene code alone: %.3f ms per frame\n", (cpu_now() - t0) / frames * 1e3);
        return 0;
    }

    if (scale) {
        // The same density of galaxies, more of them: cost per star should hold.
        std::printf("%8s %9s %11s %11s %7s %15s\n", "stars", "galaxies", "frame ms", "replay ms", "ratio",
                    "frame us/star");
        for (const int g : {4, 20, 80}) {
            build_scene(universe, vp, g, 256);
            const Costs c = measure(dpy, win, part, universe, vp, false);
            std::printf("%8ld %9d %11.3f %11.3f %7.2f %15.4f\n", c.placed, g, c.frame * 1e3, c.replay * 1e3,
                        c.frame / c.replay, c.frame * 1e6 / static_cast<double>(c.placed));
        }
        XCloseDisplay(dpy);
        return 0;
    }

    const Costs c = measure(dpy, win, part, universe, vp, true);
    std::printf("client CPU per frame: %.3f ms (median of 15 rounds of 40 frames)\n", c.frame * 1e3);
    std::printf("raw replay of the same calls: %.3f ms\n", c.replay * 1e3);
    std::printf("ratio frame / replay: %.2f\n", c.frame / c.replay);
    std::printf("scene code alone (X calls skipped): %.3f ms\n", c.sceneOnly * 1e3);
    std::printf("share in the kernel (request writes, syncs): frame %.0f %%, replay %.0f %%\n",
                c.frameSystem * 100, c.replaySystem * 100);
    XCloseDisplay(dpy);
    return 0;
}
