#pragma once

#include "core/source_modules.h"

// The current-line marker the fault test build sets just before its fault.
constexpr int ProvokedFaultModule = ModuleCommands;
constexpr int ProvokedFaultLine = 4242;
