#include "render/galaxy_rules.h"

#include "navigation/render_context.h"

void mark_for_entry(Star *galaxy, double distance)
{
    const double r = galaxy->viewScale;
    if (galaxy->parent != renderContext.topLevel->galaxy || !(distance < kEnterRatio * r))
        return;
    renderContext.enterGalaxy = galaxy;
    renderContext.enterScale = r;
    // The viewer seen from the galaxy, in its own units, on the fixed axes.
    const Vec3 &p = galaxy->viewPosition;
    renderContext.enterPosition = {-(p.x / r), -(p.y / r), -(p.z / r)};
}

bool post_request(Star &galaxy, double apparentSize)
{
    if (galaxy.scanned) {
        // A galaxy that holds the next stack level (the viewer left it faster
        // than one level per frame) keeps its stars until that level is left:
        // freeing them would leave the stack, and what was picked inside it,
        // pointing into freed records.
        const Star *deeper = renderContext.skipGalaxy;
        const bool holdsStack = deeper != nullptr && deeper->parent == &galaxy;
        if (&galaxy != &rootGalaxy && !holdsStack && apparentSize < kRequestSize &&
            galaxy.request == REQUEST_NONE) {
            galaxy.request = REQUEST_RELEASE;
            return false;
        }
        return true;
    }
    if (apparentSize > kRequestSize && galaxy.request == REQUEST_NONE)
        galaxy.request = REQUEST_SCAN;
    return false;
}
