// Fitting the ruler to what lies beneath it: a side grows out to the last pixel before the screen's colour changes,
// shrinks in to the first pixel of another colour, or the whole ruler moves on until its leading side stands on the
// last pixel before the next change. The line read runs through the measuring corner, or the middle of the side.
#pragma once

#include <windows.h>

#include "measure/edge_scan.h"

// One search on a side (SideLeft ... SideBottom), which then moves or sizes the ruler the way a nudge does, so that
// the panel measures it once.
void SearchEdge(int side, EdgeKind kind);

// The tolerance submenu: the setting's item marked, and an item chosen.
void ShowEdgeTolerance();
void ChooseEdgeTolerance(int item);

// A search made while Alt is held (its keys, or Alt with a click on a nudge button) would have the menu bar take the
// keyboard when Alt is let go. True for the main window's WM_SYSCOMMAND that does so at the end of that press of Alt,
// which is then not passed on.
bool SwallowsAltRelease(WPARAM command, LPARAM key);
