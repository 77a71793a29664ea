// Which corner of the ruler the program measures at, and where that corner's pixel lies.
#pragma once

#include "toolkit/tk_geometry.h"

// The corner of the ruler the program measures at, chosen with the four corner options.
enum class ProbeCorner { None, TopLeft, TopRight, BottomLeft, BottomRight };

// The first corner whose option is on, testing top-left, top-right, bottom-left, bottom-right.
ProbeCorner FirstSelectedCorner(bool topLeft, bool topRight, bool bottomLeft, bool bottomRight);
// The ruler's outermost pixel in that corner: in screen coordinates for a ruler at (x, y) of w x h pixels, and
// relative to the ruler window (where the peephole goes).
TkPoint CornerOnScreen(ProbeCorner corner, int x, int y, int w, int h);
TkPoint CornerInRuler(ProbeCorner corner, int w, int h);
