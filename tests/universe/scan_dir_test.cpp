#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>

#include <cmath>
#include <string>

#include "tests/universe/universe_fixture.h"
#include "universe/scan_dir.h"

namespace {

using fixture::child;
using fixture::FixtureGalaxy;
using fixture::TempDir;

void expect_vec(const Vec3 &v, double x, double y, double z)
{
    EXPECT_NEAR(v.x, x, 1e-6);
    EXPECT_NEAR(v.y, y, 1e-6);
    EXPECT_NEAR(v.z, z, 1e-6);
}

TEST(ScanDir, WorkedExample)
{
    TempDir dir("example");
    fixture::make_file(dir / "abc");
    fixture::make_file(dir / "hello.txt", 100000);
    fixture::make_dir(dir / "src");
    fixture::make_link("../x/y", dir / "lnk");
    fixture::make_file(dir / ".hidden");
    struct stat st;
    ASSERT_EQ(stat((dir / "src").c_str(), &st), 0);
    ASSERT_LT(st.st_size, 4096) << "the fixture needs a file system with small directory sizes";

    Star up = fixture::galaxy("up");
    FixtureGalaxy g(dir.path(), &up);
    universeChanged = false;
    scan_dir(&g.star);

    EXPECT_TRUE(universeChanged);
    EXPECT_EQ(g.star.scanned, 1);
    ASSERT_EQ(g.star.childCount, 4);

    const Star *abc = child(g.star, "abc");
    ASSERT_NE(abc, nullptr);
    EXPECT_EQ(abc->kind, STAR_PLANET);
    EXPECT_EQ(abc->fileSize, 0);
    EXPECT_NEAR(abc->size, 0.012872, 1e-6);
    expect_vec(abc->position, -0.236310, 0.002928, -0.062466);

    const Star *hello = child(g.star, "hello.txt");
    ASSERT_NE(hello, nullptr);
    EXPECT_EQ(hello->kind, STAR_PLANET);
    EXPECT_EQ(hello->fileSize, 100000);
    EXPECT_NEAR(hello->size, 0.05, 1e-12);
    expect_vec(hello->position, -0.493424, 0.592114, 0.214322);

    const Star *src = child(g.star, "src");
    ASSERT_NE(src, nullptr);
    EXPECT_EQ(src->kind, STAR_GALAXY);
    EXPECT_EQ(src->path, g.path + "src/");
    EXPECT_EQ(src->scanned, 0);
    EXPECT_EQ(src->request, REQUEST_NONE);
    EXPECT_EQ(src->childCount, 0);
    EXPECT_EQ(src->children, nullptr);
    EXPECT_NEAR(src->size, 0.012872, 1e-6);
    expect_vec(src->position, -0.018984, 0.086184, -0.298332);
    expect_vec(src->axis1, -0.351753, -0.225067, 0.908633);
    expect_vec(src->axis2, 0.666894, -0.741416, 0.074522);

    const Star *lnk = child(g.star, "lnk");
    ASSERT_NE(lnk, nullptr);
    EXPECT_EQ(lnk->kind, STAR_WORMHOLE);
    EXPECT_EQ(lnk->readable, 1);
    EXPECT_NEAR(lnk->size, 0.012872, 1e-6);
    expect_vec(lnk->position, -0.002834, -0.017214, -0.154574);
    expect_vec(lnk->startTangent, -0.379614, -0.248279, 0.891207);
    expect_vec(lnk->endTangent, 0.935616, -0.353019, 0);
    EXPECT_STREQ(lnk->linkComponents[0], "..");
    EXPECT_STREQ(lnk->linkComponents[2], "y");
    EXPECT_EQ(lnk->linkComponents[3], nullptr);
    EXPECT_EQ(lnk->spanGalaxy, &up);
    EXPECT_EQ(lnk->target, nullptr);

    for (int i = 0; i < g.star.childCount; ++i) {
        const Star &s = g.star.children[i];
        EXPECT_EQ(s.parent, &g.star);
        EXPECT_EQ(s.colorSeed, s.name[0]);
    }
    std::free(up.name);
    std::free(up.path);
}

TEST(ScanDir, NoticeComesFirstAndFailuresLeaveNoChildren)
{
    TempDir dir("fail");
    fixture::make_dir(dir / "empty");
    fixture::make_dir(dir / "full");
    fixture::make_file(dir / "full/f");
    fixture::make_file(dir / "file");
    fixture::NoticeRecorder notices;
    scanMessageWidget = fixture::fake_widget();

    const struct {
        std::string path;
        int readable;
    } cases[] = {
        {dir / "empty", 1},
        {dir / "full", 0},     // an unreadable galaxy is never opened
        {dir / "missing", 1},  // opendir fails
        {dir / "file", 1},     // opendir fails
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path);
        fixture::NoticeRecorder::calls().clear();
        FixtureGalaxy g(c.path);
        g.star.readable = c.readable;
        universeChanged = false;
        scan_dir(&g.star);
        EXPECT_EQ(g.star.scanned, 1);
        EXPECT_EQ(g.star.childCount, 0);
        EXPECT_EQ(g.star.children, nullptr);
        EXPECT_TRUE(universeChanged);
        ASSERT_EQ(fixture::NoticeRecorder::calls().size(), 1u);
        EXPECT_EQ(fixture::NoticeRecorder::calls()[0].first, fixture::fake_widget());
        EXPECT_EQ(fixture::NoticeRecorder::calls()[0].second, g.path);
    }

    // Without a widget, or without a registered proc, scans are silent.
    fixture::NoticeRecorder::calls().clear();
    scanMessageWidget = nullptr;
    FixtureGalaxy quiet(dir / "full");
    scan_dir(&quiet.star);
    EXPECT_EQ(quiet.star.childCount, 1);
    scanMessageWidget = fixture::fake_widget();
    set_scan_notice(nullptr);
    FixtureGalaxy unregistered(dir / "full");
    scan_dir(&unregistered.star);
    EXPECT_TRUE(fixture::NoticeRecorder::calls().empty());
}

TEST(ScanDir, KindsOfEntries)
{
    TempDir dir("kinds");
    fixture::make_file(dir / "plain");
    fixture::make_dir(dir / "sub");
    fixture::make_link("plain", dir / "link");
    fixture::make_link("nowhere", dir / "dangling");
    ASSERT_EQ(mkfifo((dir / "fifo").c_str(), 0644), 0);
    ASSERT_EQ(mknod((dir / "chr").c_str(), S_IFCHR | 0644, makedev(1, 3)), 0);
    ASSERT_EQ(mknod((dir / "blk").c_str(), S_IFBLK | 0644, makedev(7, 0)), 0);
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    const std::string sock = dir / "sock";
    ASSERT_LT(sock.size(), sizeof addr.sun_path);
    std::strcpy(addr.sun_path, sock.c_str());
    ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr), 0);
    fixture::make_file(dir / ".dot");
    fixture::make_dir(dir / ".dotdir");
    // Awkward but legal names are stored byte for byte.
    const std::string odd[] = {"a\nb", "%s%n", "\xff\x80\xc3", std::string(255, 'n')};
    for (const std::string &name : odd)
        fixture::make_file(dir / name);

    FixtureGalaxy g(dir.path());
    scan_dir(&g.star);
    close(fd);

    const struct {
        std::string name;
        StarKind kind;
    } expected[] = {
        {"plain", STAR_PLANET}, {"sub", STAR_GALAXY},     {"link", STAR_WORMHOLE},
        {"dangling", STAR_WORMHOLE}, {"blk", STAR_GALAXY}, {"sock", STAR_GALAXY},
        {odd[0], STAR_PLANET},  {odd[1], STAR_PLANET},    {odd[2], STAR_PLANET},
        {odd[3], STAR_PLANET},
    };
    EXPECT_EQ(g.star.childCount, static_cast<int>(std::size(expected)));
    for (const auto &e : expected) {
        SCOPED_TRACE(testing::PrintToString(e.name));
        const Star *s = child(g.star, e.name);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->kind, e.kind);
        EXPECT_TRUE(std::isfinite(s->position.x) && std::isfinite(s->position.y) &&
                    std::isfinite(s->position.z));
    }
    EXPECT_EQ(child(g.star, odd[2])->colorSeed, -1);

    // A socket is a galaxy that can never be opened.
    Star *socketStar = child(g.star, "sock");
    ASSERT_NE(socketStar, nullptr);
    EXPECT_EQ(socketStar->path, sock + "/");
    scan_dir(socketStar);
    EXPECT_EQ(socketStar->scanned, 1);
    EXPECT_EQ(socketStar->childCount, 0);
}

TEST(ScanDir, ReadableRulesOnRealFiles)
{
    // Tests run as root; root gets no exception, so only ownership and the
    // others' bits decide.
    ASSERT_EQ(getuid(), 0u);
    TempDir dir("perm");
    constexpr uid_t stranger = 12345;
    const struct {
        const char *name;
        bool isDir;
        mode_t mode;
        uid_t owner;
        int readable;
    } cases[] = {
        {"shared", false, 0004, stranger, 1},
        {"mine", false, 0400, 0, 1},
        {"theirs", false, 0400, stranger, 0},
        {"group", false, 0040, 0, 0},
        {"open", true, 0005, stranger, 1},
        {"listonly", true, 0004, stranger, 0},
        {"own", true, 0500, 0, 1},
        {"foreign", true, 0700, stranger, 0},
        {"groupdir", true, 0050, 0, 0},
    };
    for (const auto &c : cases) {
        if (c.isDir)
            fixture::make_dir(dir / c.name, c.mode);
        else
            fixture::make_file(dir / c.name, 0, c.mode);
        ASSERT_EQ(chown((dir / c.name).c_str(), c.owner, 0), 0);
    }
    fixture::make_file(dir / "foreign/inside");

    FixtureGalaxy g(dir.path());
    scan_dir(&g.star);
    ASSERT_EQ(g.star.childCount, static_cast<int>(std::size(cases)));
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const Star *s = child(g.star, c.name);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->kind, c.isDir ? STAR_GALAXY : STAR_PLANET);
        EXPECT_EQ(s->readable, c.readable);
    }

    // Root could list it, but the galaxy is unreadable for this user: it ends
    // scanned with no children.
    Star *foreign = child(g.star, "foreign");
    scan_dir(foreign);
    EXPECT_EQ(foreign->scanned, 1);
    EXPECT_EQ(foreign->childCount, 0);
}

TEST(ScanDir, EntriesThatCannotBeExaminedAreSkipped)
{
    // A directory other users may list but not search: the listing yields
    // names, and every lstat on them fails. Root would pass, so the scan runs
    // as another user in a child process.
    TempDir dir("nosearch");
    fixture::make_dir(dir / "listable", 0704);
    fixture::make_file(dir / "listable/a");
    fixture::make_dir(dir / "listable/b");
    fixture::make_link("a", dir / "listable/c");
    const std::string path = dir / "listable";
    EXPECT_EXIT(
        {
            if (setuid(12345) != 0)
                _exit(2);
            FixtureGalaxy g(path);
            scan_dir(&g.star);
            const bool ok = g.star.scanned == 1 && g.star.childCount == 0 && g.star.children == nullptr;
            _exit(ok ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

}  // namespace
