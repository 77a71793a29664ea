// One-pixel nudges of the ruler, the close operations that remember where the windows stood, and the rebuild.
#pragma once

#include "core/drag_zones.h"

// Moves one side of the window outward by amount pixels (inward when negative), then notifies the window.
void ResizeRulerSide(int window, int side, int amount);
// Moves the window amount pixels towards side, then notifies it; amount 0 only refreshes the measurement.
void MoveRulerStep(int window, int side, int amount);
// The twelve nudges of the ruler window, each with a keyboard shortcut and a button of the main window, and the
// twelve edge searches, with Alt added to the shortcut or held while the button is clicked: registers the shortcuts
// (arrow keys move, with Shift they grow, with Ctrl they shrink a side) on a window, and runs the nudge or search of
// a shortcut's command or of a button (other numbers do nothing).
void AddRulerShortcuts(int window);
void NudgeByCommand(int command);
void NudgeByButton(int button);
void CloseMainWindow();
void CloseRulerWindow();
// Builds the main window, then the ruler window with its drag handler, and opens the short guide when the settings
// ask for it.
void BuildWindows();
// Closes and builds all windows again, e.g. after tooltips were switched.
void RebuildWindows();
// Moves each window that can no longer be taken hold of on any monitor (the ruler as a whole, the others by their
// title bars) the shortest way onto the nearest monitor.
void BringWindowsOntoMonitors();
