#include "render/label_font.h"

int choose_label_font(const int *heights, int count, int wanted)
{
    if (count < 2)
        return 0;
    for (int i = 0; i < count - 1; ++i)
        if (heights[i] >= wanted)
            return i;
    return count - 1;
}
