// The control panel: the ruler's edges and size, the magnifier, the nudge buttons and the probed values.
#pragma once

// Builds the main window from the settings, with its menu, controls, tooltips and shortcuts.
void BuildMainWindow();
// Writes the ruler's live place and size into the edge and size fields; right and bottom are shown inclusively.
void ShowRulerGeometry();
// Frees the background picture's brush once the main window is closed.
void ReleaseMainWindowBrush();
