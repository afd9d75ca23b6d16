#include "tests/soak/chaos_universe.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <utility>
#include <stdexcept>
#include <string>

#include "tests/universe/file_tree.h"

namespace soak {

namespace {

constexpr uid_t kOtherUser = 4242;

void must(bool ok, const std::string &what)
{
    if (!ok)
        throw std::runtime_error("chaos universe: " + what + ": " + std::strerror(errno));
}

// A directory below the directory fd at, opened for further building.
int dir_at(int at, const std::string &name, mode_t mode = 0755)
{
    must(mkdirat(at, name.c_str(), 0700) == 0 || errno == EEXIST, "mkdir " + name);
    const int fd = openat(at, name.c_str(), O_RDONLY | O_DIRECTORY);
    must(fd >= 0, "open " + name);
    fchmod(fd, mode);
    return fd;
}

void file_at(int at, const std::string &name, off_t size = 0, mode_t mode = 0644)
{
    const int fd = openat(at, name.c_str(), O_WRONLY | O_CREAT | O_TRUNC, mode);
    must(fd >= 0, "create " + name);
    if (size > 0)
        must(ftruncate(fd, size) == 0, "size " + name);
    fchmod(fd, mode);
    close(fd);
}

void link_at(int at, const std::string &target, const std::string &name)
{
    must(symlinkat(target.c_str(), at, name.c_str()) == 0, "link " + name);
}

std::string repeat(const std::string &piece, int times)
{
    std::string s;
    for (int i = 0; i < times; ++i)
        s += piece;
    return s;
}

void odd_names(int root)
{
    const int d = dir_at(root, "names");
    for (const std::string name : {"\xff\xfe", "\x80start", "caf\xe9", "a\nb", "line\n", "\n",
                                   "%s%n%x%d", "%n%n%n%n", "Scanning...\n%s\n", "100%", " ", "\t"})
        file_at(d, name, 5000);
    file_at(d, std::string(255, 'z'), 1 << 20);
    file_at(d, std::string(255, '\xff'));
    close(dir_at(d, std::string(255, 'g')));
    close(dir_at(d, "\xc3\x28\n%s"));
    close(d);
}

void big_directories(int root)
{
    const int many = dir_at(root, "ten-thousand");
    for (int i = 0; i < 10000; ++i)
        file_at(many, "f" + std::to_string(i), i);
    close(many);
    const int some = dir_at(root, "three-hundred");
    for (int i = 0; i < 300; ++i) {
        if (i % 3 == 0)
            close(dir_at(some, "d" + std::to_string(i)));
        else
            file_at(some, "f" + std::to_string(i), 4096 * i);
    }
    close(some);
}

void deep_directories(int root)
{
    int d = dir_at(root, "deep");
    for (int i = 0; i < 100; ++i) {
        const int next = dir_at(d, "d" + std::to_string(i));
        file_at(next, "leaf");
        close(d);
        d = next;
    }
    link_at(d, repeat("../", 100), "top");
    close(d);
    // Beyond 4 KiB: twenty names of 255 bytes.
    d = dir_at(root, "long-path");
    for (int i = 0; i < 20; ++i) {
        const int next = dir_at(d, std::string(254, 'a' + i % 26) + std::to_string(i % 10));
        close(d);
        d = next;
    }
    file_at(d, "beyond");
    link_at(d, "../../../..", "up");
    close(d);
}

void link_trouble(int root)
{
    const int d = dir_at(root, "links");
    link_at(d, "self", "self");
    link_at(d, "loop-b", "loop-a");
    link_at(d, "loop-a", "loop-b");
    link_at(d, "/links/ring/../ring", "ring");
    link_at(d, ".", "dot");
    link_at(d, "..", "dotdot");
    link_at(d, "/", "slash");
    link_at(d, "nowhere/at/all", "dangling");
    link_at(d, "/no/such/place", "dangling-absolute");
    link_at(d, repeat("../", 700) + "etc/passwd", "climbing");
    link_at(d, repeat("a/", 2000), "two-thousand");
    link_at(d, repeat("/", 3000) + "deep", "slashes");
    link_at(d, std::string(4095, 'x'), "longest");
    link_at(d, "/names/%s%n%x%d", "to-percent");
    link_at(d, "\xff\xfe/\n", "to-odd-bytes");
    close(d);
}

void special_files(int root)
{
    const int d = dir_at(root, "special");
    must(mkfifoat(d, "fifo", 0644) == 0, "fifo");
    must(mknodat(d, "char-null", S_IFCHR | 0666, makedev(1, 3)) == 0, "char device");
    must(mknodat(d, "block-loop", S_IFBLK | 0660, makedev(7, 0)) == 0, "block device");
    // A socket file stays behind when its socket is closed.
    const int s = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    const int cwd = open(".", O_RDONLY | O_DIRECTORY);
    fchdir(d);
    std::strcpy(addr.sun_path, "socket");
    must(bind(s, reinterpret_cast<sockaddr *>(&addr), sizeof addr) == 0, "socket");
    fchdir(cwd);
    close(cwd);
    close(s);
    close(d);
}

void other_users(int root)
{
    const int d = dir_at(root, "others");
    for (const auto &[name, mode] : {std::pair<const char *, mode_t>{"private", 0700}, {"list-only", 0744},
                                     {"search-only", 0711}, {"nothing", 0000}, {"open", 0755}}) {
        const int g = dir_at(d, name);
        file_at(g, "secret", 100, 0600);
        close(dir_at(g, "inner", 0700));
        fchown(g, kOtherUser, kOtherUser);
        fchmod(g, mode);
        close(g);
    }
    file_at(d, "owner-only", 10, 0400);
    fchownat(d, "owner-only", kOtherUser, kOtherUser, 0);
    file_at(d, "group-only", 10, 0040);
    close(d);
}

}  // namespace

void build_chaos_universe(const std::string &root)
{
    const int r = open(root.c_str(), O_RDONLY | O_DIRECTORY);
    must(r >= 0, "open " + root);
    odd_names(r);
    big_directories(r);
    deep_directories(r);
    link_trouble(r);
    special_files(r);
    other_users(r);
    close(dir_at(r, "churn"));
    close(r);
}

void remove_tree(const std::string &path)
{
    fixture::remove_tree_at(AT_FDCWD, path.c_str());
}

}  // namespace soak
