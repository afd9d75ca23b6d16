// Measures what scan_dir costs on top of the system calls it cannot avoid:
// a 256-entry directory is scanned with scan_dir and walked by a bare
// opendir/readdir/lstat/readlink loop, alternately, and the medians compared.
// Also reports the memory a scanned star holds.
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

std::size_t owned_bytes(const Star &s, bool usable)
{
    auto size = [usable](void *p, std::size_t requested) {
        return usable ? malloc_usable_size(p) : requested;
    };
    std::size_t bytes = sizeof(Star) + size(s.name, std::strlen(s.name) + 1);
    if (s.kind == STAR_GALAXY) {
        bytes += size(s.path, std::strlen(s.path) + 1);
    } else if (s.kind == STAR_WORMHOLE) {
        std::size_t count = 0, text = 0;
        for (char **c = s.linkComponents; *c != nullptr; ++c, ++count)
            text += std::strlen(*c) + 1;
        bytes += size(s.linkComponents[0], text) + size(s.linkComponents, (count + 1) * sizeof(char *));
    }
    return bytes;
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
    std::size_t requested = 0, usable = 0;
    for (int i = 0; i < g.childCount; ++i) {
        requested += owned_bytes(g.children[i], false);
        usable += owned_bytes(g.children[i], true);
    }
    const int count = g.childCount;
    release_galaxy(&g);
    remove_fixture(dir);

    const double scan = median(scanTimes), bare = median(bareTimes);
    std::printf("fixture: %s (%d entries, %d stars)\n", dir.c_str(), seen, stars);
    std::printf("scan_dir median:  %8.1f us\n", scan);
    std::printf("bare loop median: %8.1f us\n", bare);
    std::printf("ratio scan_dir / bare loop: %.3f (target 1.15 or less)\n", scan / bare);
    std::printf("bytes per star: %.1f requested, %.1f held by the allocator (record %zu)\n",
                static_cast<double>(requested) / count, static_cast<double>(usable) / count,
                sizeof(Star));
    constexpr double kBytesPerStarTarget = 200;
    std::printf("ratio bytes held per star / %.0f target: %.3f; record alone / target: %.3f\n", kBytesPerStarTarget,
                static_cast<double>(usable) / count / kBytesPerStarTarget, sizeof(Star) / kBytesPerStarTarget);
    return 0;
}
