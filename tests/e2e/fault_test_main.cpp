// Tessaro with one addition for the crash report's tests: when TESSARO_TEST_FAULT is set, the program's own thread
// provokes that fault as soon as the control panel exists, from inside the panel's window procedure. The fault must
// come from the program's thread: a fault in a thread of its own would race the program, which goes on marking lines.
#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "core/program_texts.h"
#include "core/startup.h"
#include "fault_test_marker.h"
#include "toolkit/tk_fault_marker.h"

namespace {

constexpr UINT ProvokeFaultMessage = WM_APP + 0x42;
DWORD gProgramThread = 0;
WNDPROC gPanelProcedure = nullptr;

LRESULT CALLBACK FaultingPanelProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != ProvokeFaultMessage)
        return CallWindowProcA(gPanelProcedure, window, message, wParam, lParam);
    CurrentLine = ProvokedFaultLine;
    if (std::strcmp(std::getenv("TESSARO_TEST_FAULT"), "int-divide") == 0) {
        volatile int zero = 0;
        volatile int result = 7 / zero; // 1 / x would be turned into a comparison
        (void)result;
    } else {
        volatile int* volatile target = nullptr;
        *target = 1;
    }
    return 0;
}

BOOL CALLBACK FindPanel(HWND window, LPARAM found)
{
    char title[32] = {};
    GetWindowTextA(window, title, sizeof(title));
    if (std::strcmp(title, ProgramTitle) != 0)
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// Waits for the control panel (the crash handler is installed before it is made), hooks its window procedure and
// has the program's thread take the message that faults.
DWORD WINAPI ProvokeFault(LPVOID)
{
    HWND panel = nullptr;
    while (EnumThreadWindows(gProgramThread, FindPanel, reinterpret_cast<LPARAM>(&panel)) || !panel)
        Sleep(20);
    gPanelProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(panel, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FaultingPanelProcedure)));
    PostMessageA(panel, ProvokeFaultMessage, 0, 0);
    return 0;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    gProgramThread = GetCurrentThreadId();
    if (std::getenv("TESSARO_TEST_FAULT"))
        CloseHandle(CreateThread(nullptr, 0, ProvokeFault, nullptr, 0, nullptr));
    StartUp();
}
