// Which window lies at a point of the screen under the program's own windows.
#pragma once

#include <windows.h>

// The window the system finds at a screen point as if the program's own windows were not there: the deepest child,
// passing over hidden windows, disabled child windows and click-through windows, as WindowFromPoint does, and over a
// group box where another control beneath it takes the point. Null when no window lies there (a point off every
// screen).
HWND ForeignWindowAt(POINT p);
// Lets the system's hit test pass through a layered window of the program's own (through = true), or has the window
// take the mouse again; true when the window's style changed. Windows' hit test passes through the key-coloured
// pixels of a layered window such as the ruler's peephole, Wine's does not: there the window below the peephole is
// found only while the ruler is click-through. Only the extended style changes: no repaint, no move, the layered
// colour key and alpha stay. A window that is not layered, or click-through already, is left as it is.
bool LetHitTestsThrough(HWND window, bool through);
