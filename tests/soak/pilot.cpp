#include "tests/soak/pilot.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#include "tests/soak/ring_targets.h"

namespace soak {

namespace {

constexpr double kPeriod = 10.0;  // seconds: seeking for the first kSeeking of each
constexpr double kSeeking = 6.0;
constexpr double kPause = 0.4;  // between pushes, while the release brakes

}  // namespace

Pilot::Pilot(const e2e::XServer &server, Window top, Window screen) : server_(server), top_(top), screen_(screen)
{
    Display *dpy = server.display();
    for (const char *c : {"cyan", "gray", "rgb:0/8/8", "rgb:6/6/6", "magenta", "rgb:c/0/c"})
        rings_.push_back(e2e::rgb_of(dpy, c));
}

void Pilot::step(std::mt19937 &rng, InputStats &stats, double now)
{
    if (held_ && now >= releaseAt_)
        release();
    if (std::fmod(now, kPeriod) < kSeeking) {
        seek(rng, stats, now);
        return;
    }
    const unsigned pick = rng() % 100;
    if (pick < 50) {
        int w = 1, h = 1;
        e2e::window_size(server_.display(), screen_, w, h);
        move(rng() % std::max(w, 1), rng() % std::max(h, 1));
        ++stats.moves;
    } else if (pick < 65 && !held_) {
        static const char *const downs[][2] = {{"mousedown 1", "mouseup 1"},
                                               {"mousedown 3", "mouseup 3"},
                                               {"keydown shift mousedown 1", "mouseup 1 keyup shift"},
                                               {"keydown shift mousedown 3", "mouseup 3 keyup shift"},
                                               {"keydown space", "keyup space"},
                                               {"keydown Up", "keyup Up"}};
        const auto &d = downs[rng() % 6];
        hold(d[0], d[1], now + 0.2 + (rng() % 2800) / 1000.0);
        ++stats.holds;
    } else if (pick < 96) {
        static const char *const keys[] = {"Left", "Right", "Up", "Down", "space", "shift+b", "z", "x",
                                           "v", "m", "n", "h", "i", "Return", "o", "f"};
        const char *key = keys[rng() % 16];
        const bool f = std::strcmp(key, "f") == 0, x = std::strcmp(key, "x") == 0;
        if (f || x)
            toggle(key);
        else
            e2e::xdotool(server_, std::string("key ") + key);
        ++stats.keys;
    } else if (now - lastResize_ > 3) {
        static const int edges[] = {1, 2, 3, 3000, 640};
        auto dim = [&] { return rng() % 2 ? edges[rng() % 5] : 1 + static_cast<int>(rng() % 3000); };
        resize(dim(), dim(), now);
        ++stats.resizes;
    }
}

void Pilot::release()
{
    if (held_)
        e2e::xdotool(server_, held_);
    held_ = nullptr;
}

void Pilot::move(int x, int y)
{
    e2e::xdotool(server_, "mousemove --window " + std::to_string(screen_) + " " + std::to_string(x) + " " +
                              std::to_string(y));
}

void Pilot::hold(const char *down, const char *up, double until)
{
    release();
    e2e::xdotool(server_, down);
    held_ = up;
    releaseAt_ = until;
}

// Freeze and the flying mode are toggled with events sent to the window
// itself, which it gets wherever the pointer is (a key typed while the pointer
// is outside goes elsewhere), so the pilot always knows both.
void Pilot::toggle(const char *key)
{
    e2e::xdotool(server_, "key --window " + std::to_string(screen_) + " " + key);
    (std::strcmp(key, "f") == 0 ? frozen_ : cartesian_) ^= true;
}

// Holds Button 1 for the given seconds, unless something is held or the
// last push is still braking.
void Pilot::push(double seconds, double now)
{
    if (held_ != nullptr || now < nextPush_)
        return;
    hold("mousedown 1", "mouseup 1", now + seconds);
    nextPush_ = now + seconds + kPause;
}

void Pilot::resize(int w, int h, double now)
{
    e2e::xdotool(server_, "windowsize " + std::to_string(top_) + " " + std::to_string(w) + " " + std::to_string(h));
    lastResize_ = now;
}

// Steers at the centre of a ring and pushes forward in short holds of
// Button 1: the further the ring, the longer the push. Polar flight only: the
// cartesian mode moves fifty times as far for the same velocity.
void Pilot::seek(std::mt19937 &rng, InputStats &stats, double now)
{
    if (frozen_)
        toggle("f");
    if (cartesian_)
        toggle("x");
    int w = 1, h = 1;
    e2e::window_size(server_.display(), screen_, w, h);
    if (w < 200 || h < 200 || w > 1200 || h > 1200) {
        resize(640, 480, now);  // a size worth looking at, and cheap to read back
        ++stats.resizes;
        return;
    }
    const e2e::Image image = e2e::grab(server_.display(), screen_);
    std::vector<RingTarget> rings = ring_targets(image.width, image.height, image.pixels.data(), rings_);
    // A ring wider than most of the window is the galaxy the viewer is in (or
    // about to be): steer at the rings inside it. With none, fly straight on
    // and out of it, to the rings beyond.
    rings.erase(std::remove_if(rings.begin(), rings.end(),
                               [&](const RingTarget &r) {
                                   return r.extent() >= std::min(image.width, image.height) * 3 / 4;
                               }),
                rings.end());
    if (rings.empty()) {
        move(image.width / 2 + image.width / 8, image.height / 2);
        push(0.2, now);
        ++stats.seeks;
        return;
    }
    // Each stretch picks a ring at random and follows it: the ring nearest
    // the one aimed at last is the same galaxy, moved.
    const long phase = static_cast<long>(now / kPeriod);
    if (phase != phase_) {
        phase_ = phase;
        const RingTarget &r = rings[rng() % rings.size()];
        aim_ = {r.centre_x(), r.centre_y()};
    }
    const RingTarget *best = nullptr;
    long bestDistance = 0;
    for (const RingTarget &r : rings) {
        const long dx = r.centre_x() - aim_.first, dy = r.centre_y() - aim_.second;
        if (best == nullptr || dx * dx + dy * dy < bestDistance) {
            best = &r;
            bestDistance = dx * dx + dy * dy;
        }
    }
    aim_ = {best->centre_x(), best->centre_y()};
    // Pointing past the ring turns the view faster than the flight carries
    // the ring outwards, so it comes to the centre and the flight reaches it.
    const int cx = image.width / 2, cy = image.height / 2;
    move(std::clamp(cx + 2 * (aim_.first - cx), 0, image.width - 1),
         std::clamp(cy + 2 * (aim_.second - cy), 0, image.height - 1));
    const double share = static_cast<double>(best->extent()) / std::min(image.width, image.height);
    push(share < 0.1 ? 1.5 : share < 0.3 ? 0.6 : 0.2, now);
    ++stats.seeks;
}

}  // namespace soak
