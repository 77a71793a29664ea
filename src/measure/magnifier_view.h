// Where the magnifier stands in the control panel at a resolution, and how it enlarges: every captured screen pixel
// becomes one square block of whole pixels, the same for all of them.
#pragma once

#include "toolkit/tk_geometry.h"

// The side of a screen pixel's block: 3 at 96 dpi, 3 × the scale rounded (4 at 125 %, 5 at 150 % and 175 %, 6 at
// 200 %), never less than 1.
int MagnifierBlock(int dpi);

struct MagnifierPlaces {
    TkRect frame; // the sunken frame, one pixel wider than the view on every side
    TkRect view;  // captureSide blocks square
};
// Frame and view centred where the 65 × 65 frame at (100, 95) of the 96-dpi layout stands at this resolution.
MagnifierPlaces PlaceMagnifier(int dpi, int captureSide);

// The red outline round the middle pixel's block of an enlarged capture.
TkRect MagnifierMark(int block, int captureSide);

// The area round p that the magnifier copies (captureSide pixels square, p in its middle), held to the screen: the
// part that lies on it, in screen pixels; empty where none does. The rest of the view shows black.
TkRect MagnifierSource(TkPoint p, int captureSide, const TkRect& screen);
