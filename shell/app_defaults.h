#pragma once

#include <cstdio>

// Writes the application defaults file of the class Dirnaut: a short comment
// header, then the fallback resource lines the program compiles in, so the
// installed file and the built-in values can never disagree.
void write_app_defaults(std::FILE *out);
