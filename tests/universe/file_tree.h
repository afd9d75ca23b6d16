#pragma once

// Removing a test's directory tree by descriptors, so that paths longer than
// the kernel's limit and entries the test made unreadable still go. Links are
// removed, never followed.

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstring>

namespace fixture {

inline void remove_tree_at(int parent, const char *name)
{
    const int fd = openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
    if (fd < 0) {
        unlinkat(parent, name, 0);
        return;
    }
    if (DIR *d = fdopendir(fd)) {
        while (const dirent *e = readdir(d))
            if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0)
                remove_tree_at(dirfd(d), e->d_name);
        closedir(d);
    } else {
        close(fd);
    }
    unlinkat(parent, name, AT_REMOVEDIR);
}

}  // namespace fixture
