#include "widget/list_items.h"

#include <cctype>

std::vector<std::string> split_list_items(const char *value)
{
    std::vector<std::string> items;
    std::string item;
    for (const char *p = value;; ++p) {
        const unsigned char c = static_cast<unsigned char>(*p);
        if (c == ',' || c == '\0') {
            if (!item.empty())
                items.push_back(item);
            item.clear();
            if (c == '\0')
                return items;
            continue;
        }
        if (c < 0x80 && std::isspace(c))
            continue;
        item.push_back(static_cast<char>(c));
    }
}
