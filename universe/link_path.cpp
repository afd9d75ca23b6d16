#include "universe/link_path.h"

#include <cstdlib>
#include <cstring>

#include "universe/placement.h"
#include "universe/star.h"

int split_link_target(const char *target, char *buffer, char **components)
{
    int n = 0;
    char *out = buffer;
    const char *p = target;
    if (*p == '/') {
        components[n++] = out;
        *out++ = '/';
        *out++ = '\0';
        ++p;
    }
    while (n < kMaxLinkComponents) {
        while (*p == '/')
            ++p;
        if (*p == '\0')
            break;
        components[n++] = out;
        while (*p != '/' && *p != '\0')
            *out++ = *p++;
        *out++ = '\0';
    }
    components[n] = nullptr;
    return n;
}

char **make_link_components(const char *target, std::size_t targetLength)
{
    char *parts[kMaxLinkComponents + 1];
    char *buffer = nullptr;
    if (targetLength > 0) {
        buffer = static_cast<char *>(std::malloc(link_buffer_size(targetLength)));
        if (buffer == nullptr)
            return nullptr;
    }
    // With no buffer the text is empty and no component is written to it.
    const int n = split_link_target(target, buffer, parts);
    auto **components = static_cast<char **>(std::malloc((n + 1) * sizeof(char *)));
    if (components == nullptr) {
        std::free(buffer);
        return nullptr;
    }
    std::memcpy(components, parts, (n + 1) * sizeof(char *));
    return components;
}

void free_link_components(char **components)
{
    std::free(components[0]);
    std::free(components);
}

Vec3 end_tangent(char *const *components)
{
    const char *last = "";
    for (char *const *c = components; *c != nullptr; ++c)
        last = *c;
    double a = 0, b = 0;
    byte_sum_angles(last, a, b);
    Vec3 t = star_dir(a, b);
    vec3_scale(t, -1);
    return t;
}

Star *span_galaxy(Star *const *chain, int top, char *const *components)
{
    char *const *c = components;
    int level = 0;
    if (*c != nullptr && (*c)[0] == '/') {
        level = top;
        ++c;
    }
    for (; *c != nullptr; ++c) {
        const char *part = *c;
        if (std::strcmp(part, ".") == 0)
            continue;
        if (std::strcmp(part, "..") == 0 && level < top) {
            ++level;
            continue;
        }
        if (level == 0 || std::strcmp(part, chain[level - 1]->name) != 0)
            break;
        --level;
    }
    return chain[level];
}
