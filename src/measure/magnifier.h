#pragma once

#include <cstdint>

#include "toolkit/tk_geometry.h"

// Shows the screen round p enlarged in the magnifier view, each pixel a square block (three pixels wide at 96 dpi),
// with p framed in red; black beyond the screen's edge. Returns the colour of the pixel at p as the copy read it
// (0x00BBGGRR), -1 when the screen could not be read: the colour fields and the magnifier's middle show one and the
// same reading.
int32_t RefreshMagnifier(TkPoint p);
// Shows the last copy of the screen in the magnifier view again, at the view's present block size.
void ShowMagnifierCapture();
