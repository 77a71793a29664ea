#pragma once

// The current-line marker the fault test build sets just before its fault.
constexpr int ProvokedFaultLine = 4242;
