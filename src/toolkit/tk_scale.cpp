#include "toolkit/tk_scale.h"

#include <cstdint>

int TkScaleLength(int value, int dpi)
{
    const int64_t scaled = int64_t{value} * dpi;
    const int64_t half = TkBaseDpi / 2;
    return static_cast<int>(scaled >= 0 ? (scaled + half) / TkBaseDpi : -((-scaled + half) / TkBaseDpi));
}

TkRect TkScaleBox(int x, int y, int w, int h, int dpi)
{
    return {TkScaleLength(x, dpi), TkScaleLength(y, dpi), TkScaleLength(x + w, dpi), TkScaleLength(y + h, dpi)};
}

int TkPictureScaleAtMost(int dpi)
{
    int found = 0;
    for (int k = 0; k < TkPictureScaleCount; ++k)
        if (TkPictureDpis[k] <= dpi)
            found = k;
    return found;
}

int TkPictureScaleAtLeast(int dpi)
{
    for (int k = 0; k < TkPictureScaleCount; ++k)
        if (TkPictureDpis[k] >= dpi)
            return k;
    return TkPictureScaleCount - 1;
}
