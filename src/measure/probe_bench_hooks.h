// What the probe benchmark times on its own: the slower half of TaskFileName (corner_probe.h).
#pragma once

#include <string>

// The executable's file name of a process through its module list alone.
std::string TaskFileNameFromModules(unsigned long processId);
