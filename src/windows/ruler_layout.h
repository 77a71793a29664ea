// Where the ruler's size-dependent controls go for a size.
#pragma once

#include "toolkit/tk_geometry.h"

// Below this width or height the centre symbol and the labels are hidden.
constexpr int RulerLabelThreshold = 55;

struct RulerLayout {
    TkPoint centreImage;
    int bottomScaleY = 0;
    int rightScaleX = 0;
    int widthLabelX = 0;
    int heightLabelY = 0;
    bool labelsShown = false;
};

// Where the size-dependent controls of a w x h ruler go; the halves are divided separately and truncated.
RulerLayout ComputeRulerLayout(int w, int h, int centreWidth, int centreHeight);
