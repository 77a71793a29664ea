// Which window lies at a point of the screen under the program's own windows.
#pragma once

#include <windows.h>

// The window the system finds at a screen point as if the program's own windows were not there: the deepest child,
// passing over hidden windows, disabled child windows and click-through windows, as WindowFromPoint does, and over a
// group box where another control beneath it takes the point. Null when no window lies there (a point off every
// screen).
HWND ForeignWindowAt(POINT p);
