#include "render/children_order.h"
#include "render/planet_pen.h"

void draw_children(Star *galaxy, int side)
{
    const long base = order_children(childStack, *galaxy, renderContext.skipGalaxy, *renderContext.viewpoint);
    if (base < 0)
        return;  // no room this frame; the next one tries again
    const PlanetPen pen = planet_pen(side);
    const long end = static_cast<long>(childStack.size);
    for (long i = base; i < end; ++i) {
        // Copied out: a nested galaxy may grow, and so move, the stack.
        const ChildEntry entry = childStack.entries[i];
        if (entry.star->kind == STAR_PLANET)
            draw_planet(pen, entry.star, entry.position);
        else
            draw_star(entry.star, entry.position, side);
    }
    release_children(childStack, base);
}
