#include "measure/magnifier_view.h"

#include <algorithm>

#include "toolkit/tk_scale.h"

namespace {

// The frame of the 96-dpi layout; its edge is one pixel.
constexpr int FrameX = 100, FrameY = 95, FrameSide = 65, FrameEdge = 1;

} // namespace

int MagnifierBlock(int dpi)
{
    return std::max(1, TkScaleLength(3, dpi));
}

MagnifierPlaces PlaceMagnifier(int dpi, int captureSide)
{
    const TkRect box = TkScaleBox(FrameX, FrameY, FrameSide, FrameSide, dpi);
    const int view = captureSide * MagnifierBlock(dpi);
    const int frame = view + 2 * FrameEdge;
    const int left = box.left + (box.Width() - frame) / 2, top = box.top + (box.Height() - frame) / 2;
    MagnifierPlaces places;
    places.frame = {left, top, left + frame, top + frame};
    places.view = {left + FrameEdge, top + FrameEdge, left + FrameEdge + view, top + FrameEdge + view};
    return places;
}

TkRect MagnifierMark(int block, int captureSide)
{
    const int at = block * (captureSide / 2);
    return {at, at, at + block, at + block};
}

TkRect MagnifierSource(TkPoint p, int captureSide, const TkRect& screen)
{
    const int left = p.x - captureSide / 2, top = p.y - captureSide / 2;
    const TkRect part{std::max(left, screen.left), std::max(top, screen.top),
                      std::min(left + captureSide, screen.right), std::min(top + captureSide, screen.bottom)};
    return part.left < part.right && part.top < part.bottom ? part : TkRect{};
}
