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

void ConstrainSizing(TkRect& rect, int edge, int screenRight, int screenBottom)
{
    if (rect.right > screenRight)
        rect.right = screenRight;
    if (rect.bottom > screenBottom)
        rect.bottom = screenBottom;
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
