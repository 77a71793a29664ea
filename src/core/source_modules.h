// Source modules as the crash report names them: the high 8 bits of the current-line marker.
#pragma once

#include "toolkit/tk_fault_marker.h"

enum SourceModule : int {
    ModuleTessaro = 0, // everything without a module of its own
    ModuleStartUp = 1,
    ModuleEventLoop = 2,
    ModuleCommands = 3,
    ModuleCount
};

inline constexpr const char* SourceModuleNames[ModuleCount] = {"Tessaro", "StartUp", "EventLoop", "Commands"};
