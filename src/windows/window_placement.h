// One-pixel nudges of the ruler, the close operations that remember where the windows stood, and the rebuild.
#pragma once

// Moves one side of the window outward by amount pixels (inward when negative), then notifies the window.
void ResizeRulerSide(int window, int side, int amount);
// Moves the window amount pixels towards side, then notifies it; amount 0 only refreshes the measurement.
void MoveRulerStep(int window, int side, int amount);
void CloseMainWindow();
void CloseRulerWindow();
// Closes and builds all windows again, e.g. after tooltips were switched.
void RebuildWindows();
