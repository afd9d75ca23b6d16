#include "universe/universe.h"

#include "universe/scan_dir.h"
#include "universe/wormholes.h"

namespace {

// The root's strings are never freed; they live here rather than on the heap.
char rootName[] = "";
char rootPath[] = "/";

}  // namespace

Star rootGalaxy;
struct _WidgetRec *scanMessageWidget = nullptr;
bool universeChanged = false;

void reset_root_galaxy()
{
    // Called again, it must not leak the tree it had.
    release_galaxy(&rootGalaxy);
    rootGalaxy = Star{};
    rootGalaxy.name = rootName;
    rootGalaxy.kind = STAR_GALAXY;
    rootGalaxy.readable = 1;
    rootGalaxy.size = 1;
    rootGalaxy.path = rootPath;
    rootGalaxy.request = REQUEST_SCAN;
    rootGalaxy.axis1 = Vec3{1, 0, 0};
    rootGalaxy.axis2 = Vec3{0, 0, 1};
}

void init_universe()
{
    reset_root_galaxy();
    scanMessageWidget = nullptr;
    universeChanged = false;
    process_requests(&rootGalaxy);
    if (universeChanged)
        resolve_wormholes(&rootGalaxy);
}

void update_universe(struct _WidgetRec *widget)
{
    scanMessageWidget = widget;
    universeChanged = false;
    process_requests(&rootGalaxy);
    if (universeChanged)
        resolve_wormholes(&rootGalaxy);
}

void process_requests(Star *s)
{
    if (s->kind != STAR_GALAXY)
        return;
    if (s->request == REQUEST_SCAN) {
        scan_dir(s);
    } else if (s->request == REQUEST_RELEASE) {
        release_galaxy(s);
    } else {
        // childCount is read again before every step, never cached.
        for (int i = 0; i < s->childCount; ++i)
            process_requests(&s->children[i]);
    }
    s->request = REQUEST_NONE;
}
