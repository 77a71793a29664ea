// Waiting for a state instead of sleeping: poll a condition until it holds or the time-out passes.
#pragma once

#include <chrono>
#include <functional>

// Polls until the condition holds or the time-out passes; true when it held.
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout = std::chrono::seconds(20));
// Lets this thread's windows handle what is queued for them.
void PumpMessages();
