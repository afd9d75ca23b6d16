#pragma once

#include <array>
#include <cstdint>

#include "widget/surfaces.h"

// Seeds are the first byte of a name (-128..127) and lists hold at most 16
// colours: a table spares the per-star division on the drawing path.
constexpr int kColorTableCounts = 16;

inline constexpr auto kColorIndexTable = [] {
    std::array<std::array<std::uint8_t, 256>, kColorTableCounts> table{};
    for (int count = 1; count <= kColorTableCounts; ++count)
        for (int seed = -128; seed < 128; ++seed) {
            const int m = seed % count;
            table[count - 1][seed + 128] = static_cast<std::uint8_t>(m < 0 ? m + count : m);
        }
    return table;
}();

// Entry of a colour set for a star's colour seed. A negative seed (a name
// whose first byte is above 127) is taken modulo count upwards, so -1 picks
// the last entry; the result is always in 0..count-1. count must be >= 1.
inline int color_index(int colorSeed, int count)
{
    if (count <= kColorTableCounts && colorSeed >= -128 && colorSeed < 128)
        return kColorIndexTable[count - 1][colorSeed + 128];
    const int m = colorSeed % count;
    return m < 0 ? m + count : m;
}

// The star's GC from a set, or null when the set is missing or empty (then the
// shape is simply not drawn).
inline GC color_gc(const ColorGCSet *set, int colorSeed)
{
    if (set == nullptr || set->count < 1 || set->gcs == nullptr)
        return nullptr;
    return set->gcs[color_index(colorSeed, set->count)];
}

// A star's readable flag as a set index: anything non-zero counts as readable.
inline int readable_index(int readable)
{
    return readable != 0 ? 1 : 0;
}
