// Waiting for a state instead of sleeping: poll a condition until it holds or the time-out passes.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>

// Polls until the condition holds or the time-out passes; true when it held.
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout = std::chrono::seconds(20));
// Lets this thread's windows handle what is queued for them.
void PumpMessages();
// Runs a command line and waits up to the time-out for its end; returns its exit code, STILL_ACTIVE when it still
// runs, 0xFFFFFFFF when it could not be started.
DWORD RunToEnd(std::string commandLine, DWORD timeoutMs);
