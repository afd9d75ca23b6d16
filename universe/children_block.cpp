#include "universe/children_block.h"

#include <cstdlib>
#include <cstring>

namespace {

char *copy_text(char *&cursor, const char *text)
{
    const std::size_t length = std::strlen(text) + 1;
    char *copy = cursor;
    std::memcpy(copy, text, length);
    cursor += length;
    return copy;
}

}  // namespace

Star *make_children(const Star *records, int n)
{
    if (n <= 0)
        return nullptr;
    const std::size_t recordBytes = static_cast<std::size_t>(n) * sizeof(Star);
    std::size_t textBytes = 0;
    for (int i = 0; i < n; ++i) {
        textBytes += std::strlen(records[i].name) + 1;
        if (records[i].kind == STAR_GALAXY)
            textBytes += std::strlen(records[i].path) + 1;
    }
    auto *block = static_cast<Star *>(std::malloc(recordBytes + textBytes));
    if (block == nullptr)
        return nullptr;
    std::memcpy(static_cast<void *>(block), records, recordBytes);
    char *cursor = reinterpret_cast<char *>(block) + recordBytes;
    for (int i = 0; i < n; ++i) {
        block[i].name = copy_text(cursor, records[i].name);
        if (block[i].kind == STAR_GALAXY)
            block[i].path = copy_text(cursor, records[i].path);
    }
    return block;
}
