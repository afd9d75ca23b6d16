// Comma-separated resource values: every item is non-empty, holds no comma and
// no single-byte white space, and the items come in the order written.

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "widget/list_items.h"

namespace {

bool dropped(unsigned char c)
{
    return c < 0x80 && std::isspace(c);
}

// Cuts at every comma first, then strips white space from each piece.
std::vector<std::string> reference_split(const std::string &value)
{
    std::vector<std::string> items;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = value.find(',', start);
        const std::string piece = value.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        std::string kept;
        for (const char c : piece)
            if (!dropped(static_cast<unsigned char>(c)))
                kept += c;
        if (!kept.empty())
            items.push_back(kept);
        if (comma == std::string::npos)
            return items;
        start = comma + 1;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The value as the resource manager hands it over: text up to a NUL.
    const std::string value(reinterpret_cast<const char *>(data), size);
    const std::string text = value.substr(0, value.find('\0'));
    const std::vector<std::string> items = split_list_items(text.c_str());
    for (const std::string &item : items) {
        if (item.empty() || item.find(',') != std::string::npos)
            std::abort();
        for (const char c : item)
            if (dropped(static_cast<unsigned char>(c)))
                std::abort();
    }
    if (items != reference_split(text))
        std::abort();
    return 0;
}
