#include "render/colors.h"

int color_index(int colorSeed, int count)
{
    const int m = colorSeed % count;
    return m < 0 ? m + count : m;
}

GC color_gc(const ColorGCSet *set, int colorSeed)
{
    if (set == nullptr || set->count < 1 || set->gcs == nullptr)
        return nullptr;
    return set->gcs[color_index(colorSeed, set->count)];
}
