#pragma once

// Files and commands for the checks of the shipped program.

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace package {

inline std::string source_path(const std::string &rel)
{
    return std::string(DIRNAUT_SOURCE_DIR) + "/" + rel;
}

inline std::string read_file(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline std::vector<std::string> lines_of(const std::string &text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// Runs a shell command; its standard output (and error, with 2>&1 in the
// command) and its exit status.
struct CommandResult {
    int status = -1;
    std::string out;
};
inline CommandResult run(const std::string &command)
{
    CommandResult r;
    std::FILE *p = popen(command.c_str(), "r");
    if (p == nullptr)
        return r;
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;)
        r.out.append(buf, n);
    const int rc = pclose(p);
    r.status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    return r;
}

}  // namespace package
