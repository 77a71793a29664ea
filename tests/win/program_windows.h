#pragma once

#include "waits.h"
#include "windows/settings.h"

// Brings the program's state and windows up as start-up does, with these settings, without the single-instance
// check and the event loop, for tests and benchmarks that drive the program's procedures inside one process.
void BuildProgramWindows(const Settings& settings);