#pragma once

#include "toolkit/tk_geometry.h"

// Shows the screen round p three times enlarged in the magnifier view, with p framed in red.
void RefreshMagnifier(TkPoint p);
