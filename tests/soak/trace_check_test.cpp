#include <gtest/gtest.h>

#include <string>

#include "tests/soak/trace_check.h"

namespace {

struct LineCase {
    const char *line;
    bool violation;
};

// The program is 100; it waits on its X connection, descriptor 3.
const LineCase kLines[] = {
    {"100 10.000100 write(0x2, 0x5555, 0x20) = 32", false},
    {"100 10.000200 writev(0x3, 0x7ffd, 0x3) = 5292", false},
    {"100 10.000300 write(0x1, 0x5555, 0x20) = 32", true},
    {"100 10.000400 pwrite64(0x5, 0x5555, 0x20, 0) = 32", true},
    {"100 10.000500 openat(AT_FDCWD, \"/usr/\", O_RDONLY|O_NONBLOCK|O_CLOEXEC|O_DIRECTORY) = 5", false},
    {"100 10.000600 openat(AT_FDCWD, \"/proc/self/maps\", O_RDONLY|O_CLOEXEC) = 5", false},
    {"100 10.000700 openat(AT_FDCWD, \"/tmp/x\", O_WRONLY|O_CREAT|O_TRUNC, 0644) = 5", true},
    {"100 10.000800 openat(AT_FDCWD, \"/etc/x\", O_RDWR) = 5", true},
    {"100 10.000900 open(\"/tmp/log\", O_WRONLY|O_APPEND) = 5", true},
    {"100 10.001000 openat(AT_FDCWD, \"/names/O_CREAT\\\"O_RDWR/\", O_RDONLY|O_DIRECTORY) = 5", false},
    {"100 10.001100 unlink(\"/tmp/x\") = 0", true},
    {"100 10.001200 renameat2(AT_FDCWD, \"a\", AT_FDCWD, \"b\", 0) = 0", true},
    {"100 10.001300 fchmod(5, 0644) = 0", true},
    {"100 10.001400 mkdir(\"/tmp/d\", 0700) = -1 EEXIST (File exists)", true},
    {"100 10.001500 execve(\"/bin/sh\", [\"sh\"], 0x7ffd /* 3 vars */) = 0", true},
    {"101 10.001600 write(0x2, 0x5555, 0x20) = 32", true},
    {"100 10.001700 <... poll resumed>) = 0 (Timeout)", false},
    {"100 10.001800 --- SIGWINCH {si_signo=SIGWINCH} ---", false},
};

TEST(TraceCheck, AllowsOnlyStandardErrorTheXConnectionAndReading)
{
    for (const LineCase &c : kLines) {
        SCOPED_TRACE(c.line);
        soak::TraceCheck check(100);
        check.feed("100 10.000000 poll([{fd=3, events=POLLIN}], 1, 50) = 0 (Timeout)");
        check.feed(c.line);
        EXPECT_EQ(check.verdict(10.01).violations.size(), c.violation ? 1u : 0u);
    }
}

TEST(TraceCheck, WritesBeforeTheFirstWaitAllowOnlyStandardError)
{
    soak::TraceCheck check(100);
    check.feed("100 9.0 writev(0x3, 0x7ffd, 0x3) = 5292");
    check.feed("100 9.1 write(0x2, 0x5555, 0x20) = 32");
    EXPECT_EQ(check.verdict(9.2).violations.size(), 1u);
}

TEST(TraceCheck, LongestQuietStretchCountsTheEndAndResumedWaitsDoNot)
{
    soak::TraceCheck check(100);
    EXPECT_LT(check.verdict(1).longestQuiet, 0);  // no wait at all is no sign of life
    check.feed("100 1.0 poll([{fd=3, events=POLLIN}], 1, 50 <unfinished ...>");
    check.feed("100 5.5 <... poll resumed>) = 0 (Timeout)");
    check.feed("100 7.0 poll([{fd=3, events=POLLIN}], 1, 50) = 0 (Timeout)");
    check.feed("100 7.5 select(4, [3], NULL, NULL, {tv_sec=0, tv_usec=50000}) = 0 (Timeout)");
    soak::TraceVerdict v = check.verdict(8.0);
    EXPECT_DOUBLE_EQ(v.longestQuiet, 6.0);
    EXPECT_EQ(v.waits, 3);
    v = check.verdict(20.0);
    EXPECT_DOUBLE_EQ(v.longestQuiet, 12.5);
}

TEST(TraceCheck, CollectsOpenedDirectoriesOnce)
{
    soak::TraceCheck check(100);
    for (const char *line : {
             "100 1.0 openat(AT_FDCWD, \"/usr/\", O_RDONLY|O_NONBLOCK|O_CLOEXEC|O_DIRECTORY) = 5",
             "100 1.1 openat(AT_FDCWD, \"/usr/\", O_RDONLY|O_NONBLOCK|O_CLOEXEC|O_DIRECTORY) = 5",
             "100 1.2 openat(AT_FDCWD, \"/others/private/\", O_RDONLY|O_DIRECTORY) = -1 EACCES (Permission denied)",
             "100 1.3 openat(AT_FDCWD, \"/names/\\377/\", O_RDONLY|O_DIRECTORY) = 6",
             "100 1.4 openat(AT_FDCWD, \"/etc/hosts\", O_RDONLY) = 6",
             "100 1.5 openat(AT_FDCWD, \"/links/\", O_RDONLY|O_DIRECTORY) = 6"})
        check.feed(line);
    EXPECT_EQ(check.opened_directories(), (std::vector<std::string>{"/usr/", "/links/"}));
}

}  // namespace
