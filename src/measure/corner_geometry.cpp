#include "measure/corner_geometry.h"

ProbeCorner FirstSelectedCorner(bool topLeft, bool topRight, bool bottomLeft, bool bottomRight)
{
    if (topLeft)
        return ProbeCorner::TopLeft;
    if (topRight)
        return ProbeCorner::TopRight;
    if (bottomLeft)
        return ProbeCorner::BottomLeft;
    if (bottomRight)
        return ProbeCorner::BottomRight;
    return ProbeCorner::None;
}

TkPoint CornerInRuler(ProbeCorner corner, int w, int h)
{
    const bool right = corner == ProbeCorner::TopRight || corner == ProbeCorner::BottomRight;
    const bool bottom = corner == ProbeCorner::BottomLeft || corner == ProbeCorner::BottomRight;
    return {right ? w - 1 : 0, bottom ? h - 1 : 0};
}

TkPoint CornerOnScreen(ProbeCorner corner, int x, int y, int w, int h)
{
    const TkPoint inRuler = CornerInRuler(corner, w, h);
    return {x + inRuler.x, y + inRuler.y};
}
