// The control panel: the ruler's edges and size, the magnifier, the nudge buttons and the probed values.
#pragma once

// Builds the main window from the settings, with its menu, controls, tooltips and shortcuts.
// Its controls stand at the places of their 96-dpi layout scaled to the resolution of its display.
void BuildMainWindow();
// Writes the ranges of the ruler's place and size for the screen as measured last.
void ShowScreenRanges();
// Writes the ruler's live place and size into the edge and size fields; right and bottom are shown inclusively.
void ShowRulerGeometry();
// The main window's outer width and the height of its frame above the client area (the title bar), for the
// settings' check that the window can be taken hold of.
void MainWindowFrame(int& outerWidth, int& titleHeight);
