// Moving and sizing the ruler with the mouse.
#pragma once

#include <windows.h>

// Hands a left-button press on the ruler to the system's move or size loop.
void StartRulerDrag();
// The ruler window's callback: holds a dragged ruler on the screen and measures after every step.
LRESULT RulerWindowCallback(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
