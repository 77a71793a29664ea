// A part of the corner probe that the probe benchmark times on its own; the program reaches it only through
// TaskFileName.
#pragma once

#include <string>

// The executable's file name of a process through its module list alone, the slower way.
std::string TaskFileNameFromModules(unsigned long processId);
