#pragma once

#include <string>

// Expands a user-supplied text that the program treats as a format: the first
// "%s" takes arg (when arg is given), "%%" is a percent sign, and every other
// percent sequence stands literally. So no argument is ever read that was not
// passed, and nothing is ever written through "%n".
std::string expand_template(const char *text, const char *arg);
