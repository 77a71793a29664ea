#include "windows/ruler_layout.h"

#include "measure/scale_ticks.h"

RulerLayout ComputeRulerLayout(int w, int h, int centreWidth, int centreHeight)
{
    RulerLayout layout;
    layout.centreImage = {w / 2 - centreWidth / 2, h / 2 - centreHeight / 2};
    layout.bottomScaleY = h - ScaleThickness;
    layout.rightScaleX = w - ScaleThickness;
    layout.widthLabelX = w - 45;
    layout.heightLabelY = h - 29;
    layout.labelsShown = w >= RulerLabelThreshold && h >= RulerLabelThreshold;
    return layout;
}
