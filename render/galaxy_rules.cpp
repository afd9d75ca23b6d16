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
        if (&galaxy != &rootGalaxy && apparentSize < kRequestSize && galaxy.request == REQUEST_NONE) {
            galaxy.request = REQUEST_RELEASE;
            return false;
        }
        return true;
    }
    if (apparentSize > kRequestSize && galaxy.request == REQUEST_NONE)
        galaxy.request = REQUEST_SCAN;
    return false;
}
