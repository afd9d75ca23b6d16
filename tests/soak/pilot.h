#pragma once

// The soak's pilot: random input of every kind, interleaved with stretches of
// seeking, in which it steers at a galaxy ring and flies towards it in short
// pushes, so that the flight reaches directories to scan (and galaxies to
// enter) instead of racing out of the universe.

#include <X11/Xlib.h>

#include <cstdint>
#include <random>
#include <utility>
#include <vector>

#include "tests/e2e/harness.h"

namespace soak {

struct InputStats {
    long moves = 0, holds = 0, keys = 0, resizes = 0, seeks = 0;
};

class Pilot {
public:
    Pilot(const e2e::XServer &server, Window top, Window screen);
    // One input step at wall-clock time now (seconds).
    void step(std::mt19937 &rng, InputStats &stats, double now);
    // Lets go of a held button or key.
    void release();

private:
    void move(int x, int y);
    void hold(const char *down, const char *up, double until);
    void toggle(const char *key);
    void push(double seconds, double now);
    void resize(int w, int h, double now);
    void seek(std::mt19937 &rng, InputStats &stats, double now);

    const e2e::XServer &server_;
    Window top_, screen_;
    std::vector<std::uint32_t> rings_;
    const char *held_ = nullptr;
    double releaseAt_ = 0;
    double nextPush_ = 0;
    double lastResize_ = 0;
    bool frozen_ = false;
    bool cartesian_ = false;
    long phase_ = -1;
    std::pair<int, int> aim_{320, 240};
};

}  // namespace soak
