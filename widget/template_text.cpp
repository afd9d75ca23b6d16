#include "widget/template_text.h"

std::string expand_template(const char *text, const char *arg)
{
    std::string out;
    bool argUsed = arg == nullptr;
    for (const char *p = text; *p != '\0'; ++p) {
        if (p[0] == '%' && p[1] == '%') {
            out.push_back('%');
            ++p;
        } else if (p[0] == '%' && p[1] == 's' && !argUsed) {
            out.append(arg);
            argUsed = true;
            ++p;
        } else {
            out.push_back(*p);
        }
    }
    return out;
}
