// The arithmetic of dragging and laying out the ruler: which part of it a press grabs, how a dragged rectangle is
// held to the screen and to the least size, and where the ruler's controls go for a size.
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

// Depth of the scale strips along the ruler's edges, and of the zones a press sizes the ruler by.
constexpr int ScaleThickness = 15;
// The least width and height a drag leaves the ruler.
constexpr int RulerMinimumSize = 23;
// Below this width or height the centre symbol and the labels are hidden.
constexpr int RulerLabelThreshold = 55;

// The part of a w x h ruler a press at (x, y) of its client area grabs. The left and top zones are tested first,
// so they win in a narrow ruler.
RulerHit RulerHitAt(int x, int y, int w, int h);

// Holds a rectangle proposed while sizing to the screen's right and bottom edges and to the least size; left and
// top stay free.
void ConstrainSizing(TkRect& rect, int edge, int screenRight, int screenBottom);
// Holds a rectangle proposed while moving inside 0 .. screenRight and 0 .. screenBottom, keeping its size.
void ConstrainMoving(TkRect& rect, int screenRight, int screenBottom);

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

// The corner of the ruler the program measures at, chosen with the four corner options.
enum class ProbeCorner { None, TopLeft, TopRight, BottomLeft, BottomRight };

// The first corner whose option is on, testing top-left, top-right, bottom-left, bottom-right.
ProbeCorner FirstSelectedCorner(bool topLeft, bool topRight, bool bottomLeft, bool bottomRight);
// The ruler's outermost pixel in that corner: in screen coordinates for a ruler at (x, y) of w x h pixels, and
// relative to the ruler window (where the peephole goes).
TkPoint CornerOnScreen(ProbeCorner corner, int x, int y, int w, int h);
TkPoint CornerInRuler(ProbeCorner corner, int w, int h);
