// Lengths laid out for a display of 96 pixels per inch, at another display's resolution.
#pragma once

#include "toolkit/tk_geometry.h"

constexpr int TkBaseDpi = 96;

// value * dpi / 96, rounded half away from zero.
int TkScaleLength(int value, int dpi);
// A box given as x, y, w, h at 96 dpi: its edges are scaled, not its size, so that boxes that meet at 96 dpi still
// meet at any resolution (right = scaled (x + w), width = right - left).
TkRect TkScaleBox(int x, int y, int w, int h, int dpi);

// The resolutions the program's pictures are drawn for: 100, 125, 150, 175 and 200 %.
constexpr int TkPictureDpis[] = {96, 120, 144, 168, 192};
constexpr int TkPictureScaleCount = 5;
// The largest set drawn for no more than the resolution (the 96-dpi one below 96). Returns an index into
// TkPictureDpis.
int TkPictureScaleAtMost(int dpi);
// The smallest drawn for at least the resolution (the 200 % ones above 200 %): the set a picture for a scale between
// is reduced from.
int TkPictureScaleAtLeast(int dpi);
