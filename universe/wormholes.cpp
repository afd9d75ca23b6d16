#include "universe/wormholes.h"

#include <cstring>

namespace {

Star *find_child(Star *g, const char *name)
{
    for (int i = 0; i < g->childCount; ++i)
        if (std::strcmp(g->children[i].name, name) == 0)
            return &g->children[i];
    return nullptr;
}

// Walks the link's components as far as the scanned part of the tree allows.
// It never follows a second link, so loops and chains of links cannot make it
// run on.
Star *walk_link(Star *x)
{
    char *const *c = x->linkComponents;
    Star *cur = x->parent;
    if (*c != nullptr && (*c)[0] == '/') {
        cur = &rootGalaxy;
        ++c;
    }
    for (; *c != nullptr; ++c) {
        if (cur->kind != STAR_GALAXY || !cur->scanned)
            break;
        if (std::strcmp(*c, ".") == 0)
            continue;
        if (std::strcmp(*c, "..") == 0) {
            // The root has no parent, and no star is named "..": stay there.
            if (cur->parent != nullptr)
                cur = cur->parent;
            continue;
        }
        // A name that is not there is passed over; the walk goes on.
        if (Star *child = find_child(cur, *c))
            cur = child;
    }
    return cur;
}

}  // namespace

void resolve_wormholes(Star *g)
{
    if (!g->scanned || g->children == nullptr || g->childCount <= 0)
        return;
    for (int i = 0; i < g->childCount; ++i) {
        Star &x = g->children[i];
        if (x.kind == STAR_WORMHOLE)
            x.target = walk_link(&x);
        else if (x.kind == STAR_GALAXY)
            resolve_wormholes(&x);
    }
}
