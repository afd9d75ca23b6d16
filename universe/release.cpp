#include "universe/release.h"

#include <cstdlib>

#include "universe/link_path.h"
#include "universe/universe.h"

void free_star_contents(Star &s)
{
    switch (s.kind) {
    case STAR_GALAXY:
        release_galaxy(&s);
        break;
    case STAR_WORMHOLE:
        free_link_components(s.linkComponents);
        break;
    case STAR_PLANET:
        break;
    }
}

void release_galaxy(Star *g)
{
    if (g->scanned) {
        g->scanned = 0;
        for (int i = 0; i < g->childCount; ++i)
            free_star_contents(g->children[i]);
        std::free(g->children);  // with the children's names and paths
        g->children = nullptr;
        g->childCount = 0;
    }
    universeChanged = true;
}
