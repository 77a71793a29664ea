#include "core/drag_zones.h"

RulerHit RulerHitAt(int x, int y, int w, int h)
{
    const bool left = x < EdgeZone, top = y < EdgeZone;
    const bool right = x > w - EdgeZone, bottom = y > h - EdgeZone;
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

void ConstrainSizing(TkRect& rect, int edge, int limitRight, int limitBottom)
{
    if (rect.right > limitRight)
        rect.right = limitRight;
    if (rect.bottom > limitBottom)
        rect.bottom = limitBottom;
    if (rect.Width() < MinRulerSize) {
        if (edge == EdgeLeft || edge == EdgeTopLeft || edge == EdgeBottomLeft)
            rect.left = rect.right - MinRulerSize;
        else if (edge == EdgeRight || edge == EdgeTopRight || edge == EdgeBottomRight)
            rect.right = rect.left + MinRulerSize;
    }
    if (rect.Height() < MinRulerSize) {
        if (edge == EdgeTop || edge == EdgeTopLeft || edge == EdgeTopRight)
            rect.top = rect.bottom - MinRulerSize;
        else if (edge == EdgeBottom || edge == EdgeBottomLeft || edge == EdgeBottomRight)
            rect.bottom = rect.top + MinRulerSize;
    }
}

void ConstrainMoving(TkRect& rect, const TkRect& limits)
{
    const int width = rect.Width(), height = rect.Height();
    if (rect.left <= limits.left) {
        rect.left = limits.left;
        rect.right = rect.left + width;
    }
    if (rect.top < limits.top) {
        rect.top = limits.top;
        rect.bottom = rect.top + height;
    }
    if (rect.right >= limits.right) {
        rect.left = limits.right - width;
        rect.right = rect.left + width;
    }
    if (rect.bottom >= limits.bottom) {
        rect.top = limits.bottom - height;
        rect.bottom = rect.top + height;
    }
}
