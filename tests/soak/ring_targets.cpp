#include "tests/soak/ring_targets.h"

#include <algorithm>
#include <climits>

namespace soak {

std::vector<RingTarget> ring_targets(int width, int height, const std::uint32_t *pixels,
                                     const std::vector<std::uint32_t> &colours, int cell)
{
    std::vector<RingTarget> targets;
    if (width <= 0 || height <= 0 || cell <= 0)
        return targets;
    const int gw = (width + cell - 1) / cell, gh = (height + cell - 1) / cell;
    // Each cell's own box of ring pixels; an empty box marks a cell without any.
    std::vector<RingTarget> cells(static_cast<std::size_t>(gw) * gh, RingTarget{INT_MAX, INT_MAX, -1, -1, 0});
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = pixels[static_cast<std::size_t>(y) * width + x];
            if (std::find(colours.begin(), colours.end(), p) == colours.end())
                continue;
            RingTarget &c = cells[static_cast<std::size_t>(y / cell) * gw + x / cell];
            c = {std::min(c.left, x), std::min(c.top, y), std::max(c.right, x), std::max(c.bottom, y), c.pixels + 1};
        }
    std::vector<char> seen(cells.size(), 0);
    std::vector<int> todo;
    for (int start = 0; start < gw * gh; ++start) {
        if (seen[start] || cells[start].pixels == 0)
            continue;
        RingTarget t{INT_MAX, INT_MAX, -1, -1, 0};
        seen[start] = 1;
        todo.assign(1, start);
        while (!todo.empty()) {
            const int at = todo.back();
            todo.pop_back();
            const RingTarget &c = cells[at];
            t = {std::min(t.left, c.left), std::min(t.top, c.top), std::max(t.right, c.right),
                 std::max(t.bottom, c.bottom), t.pixels + c.pixels};
            const int cx = at % gw, cy = at / gw;
            for (int ny = std::max(cy - 1, 0); ny <= std::min(cy + 1, gh - 1); ++ny)
                for (int nx = std::max(cx - 1, 0); nx <= std::min(cx + 1, gw - 1); ++nx) {
                    const int n = ny * gw + nx;
                    if (!seen[n] && cells[n].pixels > 0) {
                        seen[n] = 1;
                        todo.push_back(n);
                    }
                }
        }
        targets.push_back(t);
    }
    return targets;
}

}  // namespace soak
