// Helpers for the tests of the toolkit's windows, controls and events.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "input.h"
#include "toolkit/tk_windows.h"
#include "window_search.h"

// A fresh toolkit for every test; what a test leaves open is closed by the shutdown.
class ToolkitTest : public testing::Test {
protected:
    void SetUp() override { TkStartup("Tessaro"); }
    void TearDown() override { TkShutdown(); }
};

struct SeenEvent {
    int code, window, control, type;
};
using Seen = std::vector<SeenEvent>;
std::string Describe(const Seen& seen);
int CountCode(const Seen& seen, int code);
// The first event with that code at or after from; a failed test's record when there is none.
const SeenEvent& Find(const Seen& seen, int code, size_t from = 0);
size_t IndexOf(const Seen& seen, int code, size_t from = 0);

// Runs TkWaitEvent until done accepts a result or timeoutMs has passed (a thread timer keeps the wait from
// blocking for ever); returns everything seen, the accepted result last.
Seen PumpUntil(const std::function<bool(const SeenEvent&)>& done, DWORD timeoutMs = 5000);
// Everything that the messages posted so far produce: pumps until a marker posted behind them comes out.
Seen DrainPosted();

// Real input through the system's input queue; both pump until the last release has come through and drain.
Seen ClickAndPump(HWND window, int x, int y, int clicks = 1);
// VK_SHIFT, VK_CONTROL and VK_MENU are held over the next key. TypeAndPump takes no VK_MENU (Alt turns the
// releases into WM_SYSKEYUP).
void SendKeys(std::initializer_list<WORD> keys);
Seen TypeAndPump(std::initializer_list<WORD> keys);

// The first top-level window of this process with that class, or null.
inline HWND FindThreadWindowOfClass(const char* className)
{
    const std::vector<HWND> windows = TopLevelWindowsOf(GetCurrentProcessId(), className);
    return windows.empty() ? nullptr : windows.front();
}
