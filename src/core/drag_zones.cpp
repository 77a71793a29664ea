#include "core/drag_zones.h"

RulerHit RulerHitAt(int x, int y, int w, int h)
{
    const bool left = x < ScaleThickness, top = y < ScaleThickness;
    const bool right = x > w - ScaleThickness, bottom = y > h - ScaleThickness;
    if (left && top)
        return HitTopLeft;
    if (right && top)
        return HitTopRight;
    if (right && bottom)
        return HitBottomRight;
    if (left && bottom)
        return HitBottomLeft;
    if (left)
        return HitLeft;
    if (right)
        return HitRight;
    if (top)
        return HitTop;
    if (bottom)
        return HitBottom;
    return HitCaption;
}

void ConstrainSizing(TkRect& rect, int edge, int screenRight, int screenBottom)
{
    if (rect.right > screenRight)
        rect.right = screenRight;
    if (rect.bottom > screenBottom)
        rect.bottom = screenBottom;
    if (rect.Width() < RulerMinimumSize) {
        if (edge == EdgeLeft || edge == EdgeTopLeft || edge == EdgeBottomLeft)
            rect.left = rect.right - RulerMinimumSize;
        else if (edge == EdgeRight || edge == EdgeTopRight || edge == EdgeBottomRight)
            rect.right = rect.left + RulerMinimumSize;
    }
    if (rect.Height() < RulerMinimumSize) {
        if (edge == EdgeTop || edge == EdgeTopLeft || edge == EdgeTopRight)
            rect.top = rect.bottom - RulerMinimumSize;
        else if (edge == EdgeBottom || edge == EdgeBottomLeft || edge == EdgeBottomRight)
            rect.bottom = rect.top + RulerMinimumSize;
    }
}

void ConstrainMoving(TkRect& rect, int screenRight, int screenBottom)
{
    const int width = rect.Width(), height = rect.Height();
    if (rect.left <= 0) {
        rect.left = 0;
        rect.right = width;
    }
    if (rect.top < 0) {
        rect.top = 0;
        rect.bottom = height;
    }
    if (rect.right >= screenRight) {
        rect.left = screenRight - width;
        rect.right = rect.left + width;
    }
    if (rect.bottom >= screenBottom) {
        rect.top = screenBottom - height;
        rect.bottom = rect.top + height;
    }
}

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
