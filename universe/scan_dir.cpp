#include "universe/scan_dir.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "universe/children_block.h"
#include "universe/entry_kind.h"
#include "universe/link_path.h"
#include "universe/placement.h"
#include "universe/release.h"
#include "universe/universe.h"

namespace {

// A scan builds its stars here, so the galaxy's own array is allocated once,
// at its final size.
Star scanScratch[kMaxStars];

// Their names and paths are written one after another here until the block is
// made; only the bytes a scan writes are ever touched.
char scanText[kMaxStars * (sizeof(dirent::d_name) + PATH_MAX + 1)];

// Paths are formed in buffers as large as the system accepts. An entry whose
// path would not fit is skipped rather than cut short: a truncated path could
// name another file, and the kernel refuses longer paths anyway.
char fullPath[PATH_MAX];
// A link target is at most PATH_MAX - 1 bytes; a full buffer means more.
char linkTarget[PATH_MAX + 1];

// The scanned galaxy and its ancestors up to the root, for the links' span.
// Kept whole, however deep the tree, so an absolute target is always read
// from the root. Grows as deeper galaxies are scanned and is kept for the run.
Star **galaxyChain = nullptr;
int galaxyChainCapacity = 0;

ScanNoticeProc scanNoticeProc = nullptr;

struct ScanContext {
    Star *galaxy;
    std::size_t pathLength;
    bool inRoot;
    uid_t user;
    int chainTop;  // index of the root in galaxyChain; -1 until a link needs it
    char *text;    // where the next name or path goes in scanText
};

// Fills galaxyChain on the first link of a scan; false when memory runs out.
bool prepare_chain(ScanContext &ctx)
{
    if (ctx.chainTop >= 0)
        return true;
    int depth = 0;
    for (const Star *s = ctx.galaxy; s != nullptr; s = s->parent)
        ++depth;
    if (depth > galaxyChainCapacity) {
        void *grown = std::realloc(galaxyChain, depth * sizeof(Star *));
        if (grown == nullptr)
            return false;
        galaxyChain = static_cast<Star **>(grown);
        galaxyChainCapacity = depth;
    }
    int i = 0;
    for (Star *s = ctx.galaxy; s != nullptr; s = s->parent)
        galaxyChain[i++] = s;
    ctx.chainTop = depth - 1;
    return true;
}

void fill_galaxy(Star &s, const struct stat &st, std::size_t fullLength, ScanContext &ctx)
{
    s.path = ctx.text;
    std::memcpy(s.path, fullPath, fullLength);
    s.path[fullLength] = '/';
    s.path[fullLength + 1] = '\0';
    ctx.text += fullLength + 2;
    s.kind = STAR_GALAXY;
    s.readable = galaxy_readable(st.st_mode, st.st_uid, ctx.user);
    s.request = REQUEST_NONE;
}

bool fill_wormhole(Star &s, ScanContext &ctx)
{
    const ssize_t length = readlink(fullPath, linkTarget, PATH_MAX);
    if (length < 0 || length >= PATH_MAX || !prepare_chain(ctx))
        return false;
    linkTarget[length] = '\0';
    s.linkComponents = make_link_components(linkTarget, static_cast<std::size_t>(length));
    if (s.linkComponents == nullptr)
        return false;
    s.kind = STAR_WORMHOLE;
    s.spanGalaxy = span_galaxy(galaxyChain, ctx.chainTop, s.linkComponents);
    s.target = nullptr;
    s.endTangent = end_tangent(s.linkComponents);
    s.readable = 1;
    return true;
}

// Builds the star for one listed entry in s; distance receives its D. False
// when the entry is not shown.
bool fill_star(Star &s, ScanContext &ctx, const char *name, int &distance)
{
    const std::size_t nameLength = std::strlen(name);
    const std::size_t fullLength = ctx.pathLength + nameLength;
    if (fullLength >= sizeof fullPath)
        return false;
    std::memcpy(fullPath + ctx.pathLength, name, nameLength + 1);

    struct stat st;
    if (lstat(fullPath, &st) != 0)
        return false;
    StarKind kind;
    if (!classify_entry(st.st_mode, ctx.inRoot, kind))
        return false;

    s = Star{};
    char *const text = ctx.text;
    s.name = text;
    std::memcpy(s.name, name, nameLength + 1);
    ctx.text += nameLength + 1;

    const NameMetrics m = name_metrics(name);
    bool filled = true;
    switch (kind) {
    case STAR_PLANET:
        s.kind = STAR_PLANET;
        s.readable = planet_readable(st.st_mode, st.st_uid, ctx.user);
        s.fileSize = st.st_size;
        break;
    case STAR_GALAXY:
        fill_galaxy(s, st, fullLength, ctx);
        break;
    case STAR_WORMHOLE:
        filled = fill_wormhole(s, ctx);
        break;
    }
    if (!filled) {
        ctx.text = text;
        return false;
    }

    s.parent = ctx.galaxy;
    place_star(s, m, st.st_size);
    distance = m.distance;
    return true;
}

void discard_scratch(int n)
{
    for (int i = 0; i < n; ++i)
        free_star_contents(scanScratch[i]);
}

}  // namespace

void set_scan_notice(ScanNoticeProc proc)
{
    scanNoticeProc = proc;
}

void scan_dir(Star *g)
{
    g->scanned = 1;
    // Every way out of a scan counts as a change to the tree.
    universeChanged = true;
    if (scanMessageWidget != nullptr && scanNoticeProc != nullptr)
        scanNoticeProc(scanMessageWidget, g->path);
    if (!g->readable)
        return;

    ScanContext ctx{g, std::strlen(g->path), false, getuid(), -1, scanText};
    ctx.inRoot = ctx.pathLength == 1 && g->path[0] == '/';
    if (ctx.pathLength >= sizeof fullPath)
        return;  // longer than the system accepts: opendir would refuse it too
    DIR *dir = opendir(g->path);
    if (dir == nullptr)
        return;
    std::memcpy(fullPath, g->path, ctx.pathLength);

    int n = 0;
    GalaxyEnvelope envelope;
    while (const dirent *entry = readdir(dir)) {
        if (n == kMaxStars) {
            std::fprintf(stderr, "scan_dir: too many stars: %d in %s\n", n, g->path);
            break;
        }
        if (entry->d_name[0] == '.')
            continue;
        Star &s = scanScratch[n];
        int distance = 0;
        if (!fill_star(s, ctx, entry->d_name, distance))
            continue;
        envelope.include(s.size, distance);
        ++n;
    }
    closedir(dir);
    if (n == 0)
        return;

    fit_stars(scanScratch, n, envelope);
    Star *children = make_children(scanScratch, n);
    if (children == nullptr) {
        discard_scratch(n);
        g->childCount = 0;
        return;
    }
    g->children = children;
    g->childCount = n;
}
