#include <cstring>

#include "navigation/render_context.h"
#include "render/draw.h"
#include "render/label_font.h"
#include "render/projection.h"
#include "universe/star.h"
#include "widget/MainScreenP.h"

void draw_label(const Star *star, const LabelFontSet *set, int wanted, int x, int y)
{
    if (!renderContext.part->showLabel || set == nullptr || set->count < 1 || star->name == nullptr)
        return;
    const int i = choose_label_font(set->heights, set->count, wanted);
    if (set->fonts[i] == nullptr)
        return;
    const int length = static_cast<int>(std::strlen(star->name));
    const int w = XTextWidth(set->fonts[i], star->name, length);
    XDrawString(renderContext.display, renderContext.pixmap, set->gcs[i],
                clamp_to_short(static_cast<long long>(x) - w / 2), clamp_to_short(y), star->name, length);
}
