#pragma once

#include <string>

#include "measure/corner_geometry.h"

// Measures at the selected corner of the ruler: writes its edges and size, refreshes the magnifier, and shows the
// colour of the pixel and the facts about the window that lies there; then paints what changed, in one pass.
void ProbeRulerCorner();

// The corner selected in the control panel (asking the four option buttons costs a trip through each button's
// procedure: a drag, during which nobody can select another, asks once at its start).
ProbeCorner SelectedCorner();
// The two halves of the measurement. The geometry: the peephole on the corner and the edge and size fields, with no
// screen read. A drag shows it on every step.
void MeasureRulerGeometry(ProbeCorner corner);
// The screen at the corner: the magnifier, the colour and the window facts. A drag reads it once per frame.
void ProbeRulerScreen(ProbeCorner corner);
// What a drag shows once per frame: the screen at the corner; every control changed since the last frame is then
// painted in one pass, as the next thing the thread does when no drag step is waiting.
void ShowRulerFrame(ProbeCorner corner);

// The executable's file name of a process, "" when it cannot be found. Asks the process's image path first and
// lists its modules only when that fails.
std::string TaskFileName(unsigned long processId);
