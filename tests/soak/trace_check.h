#pragma once

// Reads the system-call trace of a running dirnaut (strace -f -ttt, with the
// write calls printed raw) and judges it: the program may write only to
// standard error and to its X connection, and may create, change, remove or
// run no file. Every wait of the event loop is a sign of life; a stretch
// without one means frames stopped coming.

#include <string>
#include <vector>

namespace soak {

struct TraceVerdict {
    std::vector<std::string> violations;  // the offending lines
    int waits = 0;                        // event-loop waits seen
    double longestQuiet = 0;              // seconds between two waits, or to the end
};

class TraceCheck {
public:
    explicit TraceCheck(int programPid) : pid_(programPid) {}

    // One line of the trace, without its newline.
    void feed(const std::string &line);
    // The verdict with the trace ending at time end (seconds, as in the trace).
    TraceVerdict verdict(double end) const;
    // Time of the last wait, 0 before the first.
    double last_wait() const { return lastWait_; }
    // Directories the program opened, in the order first seen (printable
    // paths only: no escapes in them).
    const std::vector<std::string> &opened_directories() const { return directories_; }

private:
    int pid_;
    int xFd_ = -1;  // the descriptor the event loop waits on
    double lastWait_ = 0;
    TraceVerdict v_;
    std::vector<std::string> directories_;
};

}  // namespace soak
