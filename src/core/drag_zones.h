// The arithmetic of dragging the ruler: which part of it a press grabs and how a dragged rectangle is held to the
// screen and to the least size.
#pragma once

#include "toolkit/tk_geometry.h"

// Hit codes of the system's move and size loop (the values of HTCAPTION ... HTBOTTOMRIGHT).
enum RulerHit : int {
    HitCaption = 2,
    HitLeft = 10,
    HitRight = 11,
    HitTop = 12,
    HitTopLeft = 13,
    HitTopRight = 14,
    HitBottom = 15,
    HitBottomLeft = 16,
    HitBottomRight = 17,
};

// Sizing edges of WM_SIZING (WMSZ_...).
enum SizingEdge : int {
    EdgeLeft = 1,
    EdgeRight = 2,
    EdgeTop = 3,
    EdgeTopLeft = 4,
    EdgeTopRight = 5,
    EdgeBottom = 6,
    EdgeBottomLeft = 7,
    EdgeBottomRight = 8,
};

// The sides the keyboard and the buttons move or size the ruler by, as sizing edges.
constexpr int SideLeft = EdgeLeft;
constexpr int SideRight = EdgeRight;
constexpr int SideTop = EdgeTop;
constexpr int SideBottom = EdgeBottom;

// Width of the zones along the ruler's edges a press sizes the ruler by.
constexpr int EdgeZone = 15;
// The least width and height a drag leaves the ruler.
constexpr int MinRulerSize = 23;

// The part of a w x h ruler a press at (x, y) of its client area grabs. The left and top zones are tested first,
// so they win in a narrow ruler.
RulerHit RulerHitAt(int x, int y, int w, int h);

// Holds a rectangle proposed while sizing to a right and bottom edge (those of the monitors it stands on) and to the
// least size; left and top stay free.
void ConstrainSizing(TkRect& rect, int edge, int limitRight, int limitBottom);
// Holds a rectangle proposed while moving inside the limits (the monitors it stands on), keeping its size: it stops
// flush against each edge.
void ConstrainMoving(TkRect& rect, const TkRect& limits);
