#include "navigation/scene_place.h"

#include "navigation/placement.h"
#include "navigation/render_context.h"
#include "navigation/transition.h"
#include "navigation/viewpoint.h"
#include "render/draw.h"
#include "widget/MainScreenP.h"

void scene_place(Widget w, Viewpoint &vp)
{
    MainScreenPart &part = screen_part(w);
    renderContext.display = XtDisplay(w);
    renderContext.part = &part;
    renderContext.pixmap = part.pixmap;
    renderContext.width = w->core.width;
    renderContext.centerX = part.centerX;
    renderContext.centerY = part.centerY;
    scene_run(vp);
}

void scene_run(Viewpoint &vp)
{
    renderContext.part->pickedStar = nullptr;
    renderContext.enterGalaxy = nullptr;
    renderContext.viewpoint = &vp;
    renderContext.topLevel = &vp.levels[vp.depth];

    place_levels(vp);

    for (int i = 0; i <= vp.depth; ++i) {
        Vec3 v = vp.levels[i].position;
        vec3_scale(v, -1);
        renderContext.skipGalaxy = next_level_galaxy(vp, i);
        vec3_to_basis(v, v, vp.right, vp.up, vp.forward);
        draw_star(vp.levels[i].galaxy, v, 0);
    }

    renderContext.part->velocity *= galaxy_transition(vp, renderContext);
}
