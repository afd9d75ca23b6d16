// Build-time tool: writes the app-defaults file to the path it is given.

#include <cstdio>

#include "shell/app_defaults.h"

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fputs("usage: dirnaut_app_defaults file\n", stderr);
        return 2;
    }
    std::FILE *out = std::fopen(argv[1], "w");
    if (out == nullptr) {
        std::perror(argv[1]);
        return 1;
    }
    write_app_defaults(out);
    return std::fclose(out) == 0 ? 0 : 1;
}
