#pragma once

// Helpers shared by the universe tests: scratch directories on tmpfs, small
// hand-built star trees, and a notice proc that records its calls.

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "tests/universe/file_tree.h"
#include "tests/universe/star_tree.h"
#include "universe/link_path.h"
#include "universe/scan_dir.h"
#include "universe/universe.h"

namespace fixture {

// A fresh directory on tmpfs, where new directories report sizes below one
// block, as the placement arithmetic expects of small directories.
class TempDir {
public:
    explicit TempDir(const std::string &tag = "dir")
    {
        std::string pattern = "/dev/shm/dirnaut-" + tag + "-XXXXXX";
        std::vector<char> buf(pattern.begin(), pattern.end());
        buf.push_back('\0');
        if (mkdtemp(buf.data()) == nullptr)
            ADD_FAILURE() << "mkdtemp " << pattern;
        path_ = buf.data();
        chmod(path_.c_str(), 0755);
    }
    ~TempDir() { remove_tree_at(AT_FDCWD, path_.c_str()); }
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    const std::string &path() const { return path_; }
    std::string operator/(const std::string &name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

inline void make_file(const std::string &path, off_t size = 0, mode_t mode = 0644)
{
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, mode);
    ASSERT_GE(fd, 0) << path;
    ASSERT_EQ(ftruncate(fd, size), 0);
    fchmod(fd, mode);
    close(fd);
}

inline void make_dir(const std::string &path, mode_t mode = 0755)
{
    ASSERT_EQ(mkdir(path.c_str(), mode), 0) << path;
    chmod(path.c_str(), mode);
}

inline void make_link(const std::string &target, const std::string &path)
{
    ASSERT_EQ(symlink(target.c_str(), path.c_str()), 0) << path;
}

// The listing order of a directory, dot names included.
inline std::vector<std::string> listing(const std::string &path)
{
    std::vector<std::string> names;
    if (DIR *d = opendir(path.c_str())) {
        while (const dirent *e = readdir(d))
            names.emplace_back(e->d_name);
        closedir(d);
    }
    return names;
}

inline Star *child(const Star &g, const std::string &name)
{
    for (int i = 0; i < g.childCount; ++i)
        if (name == g.children[i].name)
            return &g.children[i];
    return nullptr;
}

// Records heap-owned the way scans make them, so release_galaxy frees them.
inline Star planet(const char *name)
{
    Star s{};
    s.name = strdup(name);
    s.kind = STAR_PLANET;
    s.readable = 1;
    return s;
}

inline Star galaxy(const char *name, const std::string &path = "/unused/")
{
    Star s{};
    s.name = strdup(name);
    s.kind = STAR_GALAXY;
    s.readable = 1;
    s.path = strdup(path.c_str());
    return s;
}

inline Star wormhole(const char *name, const char *target)
{
    Star s{};
    s.name = strdup(name);
    s.kind = STAR_WORMHOLE;
    s.readable = 1;
    s.linkComponents = make_link_components(target, std::strlen(target));
    return s;
}

// A galaxy record that stands for a real directory, owned by the test.
struct FixtureGalaxy {
    std::string path;  // ends in "/"
    Star star{};

    explicit FixtureGalaxy(const std::string &dir, Star *parent = nullptr, const char *name = "fx")
        : path(dir + "/")
    {
        star.name = const_cast<char *>(name);
        star.kind = STAR_GALAXY;
        star.readable = 1;
        star.size = 1;
        star.parent = parent;
        star.path = path.data();
    }
    ~FixtureGalaxy() { release_galaxy(&star); }
    FixtureGalaxy(const FixtureGalaxy &) = delete;
    FixtureGalaxy &operator=(const FixtureGalaxy &) = delete;
};

// Puts the root galaxy into a scanned state with no children, without
// touching "/", and frees whatever the test hung below it afterwards.
class RootScope {
public:
    RootScope()
    {
        reset_root_galaxy();
        rootGalaxy.request = REQUEST_NONE;
        rootGalaxy.scanned = 1;
    }
    ~RootScope() { release_galaxy(&rootGalaxy); }
    RootScope(const RootScope &) = delete;
    RootScope &operator=(const RootScope &) = delete;
};

// Records every scan notice; unregisters itself when done.
class NoticeRecorder {
public:
    NoticeRecorder()
    {
        calls().clear();
        set_scan_notice(&record);
    }
    ~NoticeRecorder()
    {
        set_scan_notice(nullptr);
        scanMessageWidget = nullptr;
    }
    NoticeRecorder(const NoticeRecorder &) = delete;
    NoticeRecorder &operator=(const NoticeRecorder &) = delete;

    static std::vector<std::pair<_WidgetRec *, std::string>> &calls()
    {
        static std::vector<std::pair<_WidgetRec *, std::string>> list;
        return list;
    }

private:
    static void record(_WidgetRec *widget, const char *path) { calls().emplace_back(widget, path); }
};

// A widget pointer that is never dereferenced.
inline _WidgetRec *fake_widget()
{
    static char token;
    return reinterpret_cast<_WidgetRec *>(&token);
}

}  // namespace fixture
