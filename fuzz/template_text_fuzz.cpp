// The open template and alert text against a reference expansion: the first
// "%s" takes the path (when one is given), "%%" is one percent sign, and every
// other percent sequence stands as written. The text is never a printf format,
// so nothing is read that was not passed.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "widget/template_text.h"

namespace {

std::string reference_expand(const std::string &text, const std::string *arg)
{
    std::string out;
    bool argUsed = arg == nullptr;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t percent = text.find('%', i);
        if (percent == std::string::npos) {
            out += text.substr(i);
            break;
        }
        out += text.substr(i, percent - i);
        const char next = percent + 1 < text.size() ? text[percent + 1] : '\0';
        if (next == '%') {
            out += '%';
            i = percent + 2;
        } else if (next == 's' && !argUsed) {
            out += *arg;
            argUsed = true;
            i = percent + 2;
        } else {
            out += '%';
            i = percent + 1;
        }
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The text up to the first NUL; what follows it, if anything, is the path.
    const std::string input(reinterpret_cast<const char *>(data), size);
    const std::size_t nul = input.find('\0');
    const std::string text = input.substr(0, nul);
    std::string path;
    const std::string *arg = nullptr;
    if (nul != std::string::npos) {
        path = input.substr(nul + 1);
        path = path.substr(0, path.find('\0'));
        arg = &path;
    }
    const std::string got = expand_template(text.c_str(), arg ? arg->c_str() : nullptr);
    if (got != reference_expand(text, arg))
        std::abort();
    return 0;
}
