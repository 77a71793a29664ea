// Moving and sizing the ruler with the mouse.
#pragma once

#include <windows.h>

// Hands a left-button press on the ruler to the system's move or size loop.
void StartRulerDrag();
// The ruler window's callback: holds a dragged ruler on the screen, lays it out and measures it once the system has
// applied each step, and once more after the drag.
LRESULT RulerWindowCallback(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
