#pragma once

#include <string>

// Measures at the selected corner of the ruler: writes its edges and size, refreshes the magnifier, and shows the
// colour of the pixel and the facts about the window that lies there.
void ProbeRulerCorner();

// The executable's file name of a process, "" when it cannot be found. Asks the process's image path first and
// lists its modules only when that fails.
std::string TaskFileName(unsigned long processId);
// The same through the module list alone, the slower way.
std::string TaskFileNameFromModules(unsigned long processId);
