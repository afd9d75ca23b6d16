#include "render/colors.h"

#include <array>
#include <cstdint>

namespace {

// Seeds are the first byte of a name (-128..127) and lists hold at most 16
// colours: a table spares the per-star division on the drawing path.
constexpr int kTableCounts = 16;

constexpr auto kIndexTable = [] {
    std::array<std::array<std::uint8_t, 256>, kTableCounts> table{};
    for (int count = 1; count <= kTableCounts; ++count)
        for (int seed = -128; seed < 128; ++seed) {
            const int m = seed % count;
            table[count - 1][seed + 128] = static_cast<std::uint8_t>(m < 0 ? m + count : m);
        }
    return table;
}();

}  // namespace

int color_index(int colorSeed, int count)
{
    if (count <= kTableCounts && colorSeed >= -128 && colorSeed < 128)
        return kIndexTable[count - 1][colorSeed + 128];
    const int m = colorSeed % count;
    return m < 0 ? m + count : m;
}

GC color_gc(const ColorGCSet *set, int colorSeed)
{
    if (set == nullptr || set->count < 1 || set->gcs == nullptr)
        return nullptr;
    return set->gcs[color_index(colorSeed, set->count)];
}
