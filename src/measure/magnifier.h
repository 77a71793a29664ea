#pragma once

#include "toolkit/tk_geometry.h"

// Shows the screen round p enlarged in the magnifier view, each pixel a square block (three pixels wide at 96 dpi),
// with p framed in red.
void RefreshMagnifier(TkPoint p);
