#include "navigation/transition.h"

#include "navigation/render_context.h"
#include "navigation/viewpoint.h"

double galaxy_transition(Viewpoint &vp, const RenderContext &rc)
{
    if (rc.enterGalaxy != nullptr) {
        const int before = vp.depth;
        const double f = enter_galaxy(vp, rc.enterGalaxy, rc.enterPosition, rc.enterScale);
        // A full stack refuses the push; the viewer stays in the same units, so
        // slowing down (again every frame it stays there) would only strand it.
        return vp.depth != before ? f : 1.0;
    }
    if (vp.depth != 0 && vec3_length(vp.levels[vp.depth].position) > kLeaveDistance)
        return leave_galaxy(vp);
    return 1.0;
}
