// The screen the ruler works on: the box around all monitors and the monitors themselves, measured at start-up and
// again when monitors come, go or change.
#pragma once

// Fills the screen fields and the monitor list of the application state; false, leaving them as they were, when no
// monitor can be read.
bool MeasureScreen();
// After a display change: measures the screen again, draws the scales for a screen of another size, writes the range
// labels, brings the windows that now stand on no monitor back onto the nearest one and measures the ruler again.
void FollowDisplayChange();
