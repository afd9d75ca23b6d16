#include "shell/app_defaults.h"

#include "shell/options.h"

void write_app_defaults(std::FILE *out)
{
    std::fputs("! Dirnaut: application defaults of dirnaut, the file system universe.\n"
               "! Generated at build time from the fallback resources compiled into the\n"
               "! program; put your own settings in your X resources instead.\n",
               out);
    for (String *line = fallbackResources; *line != nullptr; ++line)
        std::fprintf(out, "%s\n", *line);
}
