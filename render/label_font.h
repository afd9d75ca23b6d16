#pragma once

// Index of the label font for a wanted height in pixels: the first of the
// first count - 1 fonts that is at least that high, else the last one. The
// fonts stand in resource order, expected small to large but not sorted.
// count below 1 gives 0 as well; callers draw no label from an empty set.
int choose_label_font(const int *heights, int count, int wanted);
