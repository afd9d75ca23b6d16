#include "tests/soak/trace_check.h"

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string_view>

namespace soak {

namespace {

// Calls that change the file system or start a program: never allowed.
const std::set<std::string_view> kForbidden = {
    "creat", "mkdir", "mkdirat", "mknod", "mknodat", "unlink", "unlinkat", "rmdir", "rename", "renameat",
    "renameat2", "link", "linkat", "symlink", "symlinkat", "chmod", "fchmod", "fchmodat", "chown", "fchown",
    "lchown", "fchownat", "truncate", "ftruncate", "utimensat", "setxattr", "lsetxattr", "fsetxattr",
    "removexattr", "lremovexattr", "fremovexattr", "execve", "execveat"};
// Calls that write through a descriptor, checked against the allowed ones.
const std::set<std::string_view> kWrites = {"write", "writev", "pwrite64", "pwritev", "pwritev2",
                                            "sendto", "sendmsg", "sendmmsg"};
const std::set<std::string_view> kWaits = {"poll", "ppoll", "select", "pselect6"};
const std::set<std::string_view> kOpens = {"open", "openat", "openat2"};
// Open flags that write or create.
const char *const kWritingFlags[] = {"O_WRONLY", "O_RDWR", "O_CREAT", "O_TRUNC", "O_APPEND", "O_TMPFILE"};

}  // namespace

void TraceCheck::feed(const std::string &line)
{
    // "PID SECONDS.MICROS call(arguments) = result", or a resumed call, a
    // signal or an exit, which only carry the time.
    char *end = nullptr;
    const long pid = std::strtol(line.c_str(), &end, 10);
    if (end == line.c_str())
        return;
    const double time = std::strtod(end, &end);
    std::string_view rest(end);
    while (!rest.empty() && rest.front() == ' ')
        rest.remove_prefix(1);
    if (rest.starts_with("<...") || rest.starts_with("---") || rest.starts_with("+++"))
        return;
    const std::size_t paren = rest.find('(');
    if (paren == std::string_view::npos)
        return;
    const std::string_view call = rest.substr(0, paren);
    const std::string_view args = rest.substr(paren + 1);
    if (pid != pid_) {
        v_.violations.push_back("another process: " + line);
        return;
    }
    if (kWaits.count(call)) {
        if (lastWait_ > 0)
            v_.longestQuiet = std::max(v_.longestQuiet, time - lastWait_);
        lastWait_ = time;
        ++v_.waits;
        const std::size_t fd = args.find("fd=");
        if (xFd_ < 0 && fd != std::string_view::npos)
            xFd_ = std::atoi(std::string(args.substr(fd + 3, 8)).c_str());
        return;
    }
    if (kForbidden.count(call)) {
        v_.violations.push_back(line);
        return;
    }
    if (kWrites.count(call)) {
        // Printed raw: the descriptor is the first number, in hex.
        const long fd = std::strtol(std::string(args.substr(0, 24)).c_str(), nullptr, 0);
        if (fd != 2 && (xFd_ < 0 || fd != xFd_))
            v_.violations.push_back(line);
        return;
    }
    if (kOpens.count(call)) {
        // The path is a quoted string with backslash escapes; the flags follow it.
        const std::size_t q1 = args.find('"');
        std::size_t q2 = q1;
        if (q1 != std::string_view::npos)
            for (q2 = q1 + 1; q2 < args.size() && args[q2] != '"'; ++q2)
                if (args[q2] == '\\')
                    ++q2;
        if (q2 >= args.size()) {
            v_.violations.push_back("unreadable open: " + line);
            return;
        }
        const std::string_view flags = args.substr(q2 + 1, args.find(')', q2) - q2 - 1);
        for (const char *flag : kWritingFlags)
            if (flags.find(flag) != std::string_view::npos) {
                v_.violations.push_back(line);
                return;
            }
        const std::string path(args.substr(q1 + 1, q2 - q1 - 1));
        if (flags.find("O_DIRECTORY") != std::string_view::npos && line.find(" = -1 ") == std::string::npos &&
            path.find('\\') == std::string::npos &&
            std::find(directories_.begin(), directories_.end(), path) == directories_.end())
            directories_.push_back(path);
    }
}

TraceVerdict TraceCheck::verdict(double end) const
{
    TraceVerdict v = v_;
    if (lastWait_ > 0)
        v.longestQuiet = std::max(v.longestQuiet, end - lastWait_);
    else
        v.longestQuiet = -1;  // never waited at all
    return v;
}

}  // namespace soak
