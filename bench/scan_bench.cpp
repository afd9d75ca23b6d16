// Measures what scan_dir costs on top of the system calls it cannot avoid:
// a 256-entry directory is scanned with scan_dir and walked by a bare
// opendir/readdir/lstat/readlink loop, alternately, and the medians compared.
// Also reports the memory a scanned star holds, now and as the layout before
// one block per galaxy held the same stars.
//
// usage: scan_bench [parent-directory [rounds]]   (default /tmp, 3000)

#include <dirent.h>
#include <fcntl.h>
#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "universe/scan_dir.h"
#include "universe/universe.h"

namespace {

using Clock = std::chrono::steady_clock;

// 160 files of assorted sizes, 64 directories, 32 links.
void make_fixture(const std::string &dir)
{
    for (int i = 0; i < 160; ++i) {
        const std::string path = dir + "/file_" + std::to_string(i) + ".txt";
        const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0 || ftruncate(fd, static_cast<off_t>(i) * 3000) != 0)
            std::perror(path.c_str());
        close(fd);
    }
    for (int i = 0; i < 64; ++i)
        mkdir((dir + "/directory" + std::to_string(i)).c_str(), 0755);
    for (int i = 0; i < 32; ++i) {
        const std::string target = i % 2 ? "../elsewhere/some/file" : "/usr/share/doc";
        if (symlink(target.c_str(), (dir + "/link" + std::to_string(i)).c_str()) != 0)
            std::perror("symlink");
    }
}

void remove_fixture(const std::string &dir)
{
    if (DIR *d = opendir(dir.c_str())) {
        while (const dirent *e = readdir(d))
            if (e->d_name[0] != '.') {
                const std::string p = dir + "/" + e->d_name;
                if (unlink(p.c_str()) != 0)
                    rmdir(p.c_str());
            }
        closedir(d);
    }
    rmdir(dir.c_str());
}

// The least a directory scan must do: list once, lstat each entry, read each link.
int bare_loop(const char *path)
{
    char full[PATH_MAX];
    char target[PATH_MAX];
    const std::size_t length = std::strlen(path);
    std::memcpy(full, path, length);
    int seen = 0;
    DIR *d = opendir(path);
    if (d == nullptr)
        return 0;
    while (const dirent *e = readdir(d)) {
        if (e->d_name[0] == '.')
            continue;
        std::strcpy(full + length, e->d_name);
        struct stat st;
        if (lstat(full, &st) != 0)
            continue;
        if (S_ISLNK(st.st_mode) && readlink(full, target, sizeof target) < 0)
            continue;
        ++seen;
    }
    closedir(d);
    return seen;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// The record as it was before names and paths moved into the children block:
// 32-bit kind, readable and colorSeed, childCount inside the galaxy group.
struct RecordBeforeBlocks {
    char *name;
    StarKind kind;
    int readable;
    int colorSeed;
    Vec3 position;
    double size;
    Star *parent;
    Vec3 viewPosition;
    double viewScale;
    GalaxyLevel *level;
    union {
        struct {
            char *path;
            StarRequest request;
            int scanned;
            Vec3 axis1;
            Vec3 axis2;
            int childCount;
            Star *children;
        } galaxy;
        std::int64_t fileSize;
        struct {
            char **linkComponents;
            Star *spanGalaxy;
            Star *target;
            Vec3 startTangent;
            Vec3 endTangent;
        } wormhole;
    };
};

// Bytes asked for and bytes the allocator holds for them.
struct Bytes {
    std::size_t requested = 0, held = 0;
    void add(std::size_t asked, std::size_t usable)
    {
        requested += asked;
        held += usable;
    }
};

// What the allocator holds for a block of this size, found by asking it.
std::size_t held_for(std::size_t size)
{
    void *p = std::malloc(size);
    const std::size_t usable = malloc_usable_size(p);
    std::free(p);
    return usable;
}

void add_link_components(Bytes &b, const Star &s)
{
    std::size_t count = 0, text = 0;
    for (char **c = s.linkComponents; *c != nullptr; ++c, ++count)
        text += std::strlen(*c) + 1;
    if (count > 0)
        b.add(text, malloc_usable_size(s.linkComponents[0]));
    b.add((count + 1) * sizeof(char *), malloc_usable_size(s.linkComponents));
}

// The galaxy's children as they are held now: one block, plus each link's
// components.
Bytes held_now(const Star &g)
{
    Bytes b;
    std::size_t block = g.childCount * sizeof(Star);
    for (int i = 0; i < g.childCount; ++i) {
        const Star &s = g.children[i];
        block += std::strlen(s.name) + 1;
        if (s.kind == STAR_GALAXY)
            block += std::strlen(s.path) + 1;
        else if (s.kind == STAR_WORMHOLE)
            add_link_components(b, s);
    }
    b.add(block, malloc_usable_size(g.children));
    return b;
}

// The same children as the old layout held them: the wider record, and a heap
// string for every name and every path.
Bytes held_before(const Star &g)
{
    Bytes b;
    const std::size_t records = g.childCount * sizeof(RecordBeforeBlocks);
    b.add(records, held_for(records));
    for (int i = 0; i < g.childCount; ++i) {
        const Star &s = g.children[i];
        const std::size_t name = std::strlen(s.name) + 1;
        b.add(name, held_for(name));
        if (s.kind == STAR_GALAXY) {
            const std::size_t path = std::strlen(s.path) + 1;
            b.add(path, held_for(path));
        } else if (s.kind == STAR_WORMHOLE) {
            add_link_components(b, s);
        }
    }
    return b;
}

}  // namespace

int main(int argc, char **argv)
{
    const std::string parent = argc > 1 ? argv[1] : "/tmp";
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 3000;
    std::string pattern = parent + "/dirnaut-bench-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) {
        std::perror(pattern.c_str());
        return 1;
    }
    const std::string dir = pattern;
    make_fixture(dir);

    char name[] = "bench";
    std::string path = dir + "/";
    Star g{};
    g.name = name;
    g.kind = STAR_GALAXY;
    g.readable = 1;
    g.size = 1;
    g.path = path.data();

    std::vector<double> scanTimes, bareTimes;
    int stars = 0, seen = 0;
    for (int r = -50; r < rounds; ++r) {  // the first rounds warm the caches
        const auto t0 = Clock::now();
        scan_dir(&g);
        const auto t1 = Clock::now();
        stars = g.childCount;
        release_galaxy(&g);
        const auto t2 = Clock::now();
        seen = bare_loop(path.c_str());
        const auto t3 = Clock::now();
        if (r >= 0) {
            scanTimes.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
            bareTimes.push_back(std::chrono::duration<double, std::micro>(t3 - t2).count());
        }
    }

    scan_dir(&g);
    const Bytes now = held_now(g), before = held_before(g);
    const double count = g.childCount;
    release_galaxy(&g);
    remove_fixture(dir);

    const double scan = median(scanTimes), bare = median(bareTimes);
    std::printf("fixture: %s (%d entries, %d stars)\n", dir.c_str(), seen, stars);
    std::printf("scan_dir median:  %8.1f us\n", scan);
    std::printf("bare loop median: %8.1f us\n", bare);
    std::printf("ratio scan_dir / bare loop: %.3f (target 1.15 or less)\n", scan / bare);
    std::printf("bytes per star, old layout: %.1f requested, %.1f held by the allocator (record %zu)\n",
                before.requested / count, before.held / count, sizeof(RecordBeforeBlocks));
    std::printf("bytes per star, now:        %.1f requested, %.1f held by the allocator (record %zu)\n",
                now.requested / count, now.held / count, sizeof(Star));
    constexpr double kBytesPerStarTarget = 200;
    std::printf("ratio bytes held per star / %.0f target: %.3f (old layout %.3f); now / old layout: %.3f\n",
                kBytesPerStarTarget, now.held / count / kBytesPerStarTarget,
                before.held / count / kBytesPerStarTarget, static_cast<double>(now.held) / before.held);
    return 0;
}
