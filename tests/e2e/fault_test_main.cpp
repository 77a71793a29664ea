// Tessaro with one addition for the crash report's tests: when TESSARO_TEST_FAULT is set, a thread provokes that
// fault as soon as start-up has installed the crash handler (the single-instance mutex exists from then on).
#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "core/startup.h"
#include "fault_test_marker.h"
#include "toolkit/tk_fault_marker.h"

namespace {

DWORD WINAPI ProvokeFault(LPVOID)
{
    const char* kind = std::getenv("TESSARO_TEST_FAULT");
    HANDLE mutex = nullptr;
    while (!(mutex = OpenMutexA(SYNCHRONIZE, FALSE, "Tessaro")))
        Sleep(20);
    CloseHandle(mutex);
    Sleep(200); // start-up goes on to its event loop meanwhile
    CurrentLine = ProvokedFaultLine;
    if (std::strcmp(kind, "int-divide") == 0) {
        volatile int zero = 0;
        volatile int result = 7 / zero; // 1 / x would be turned into a comparison
        (void)result;
    } else {
        volatile int* volatile target = nullptr;
        *target = 1;
    }
    return 0;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    if (std::getenv("TESSARO_TEST_FAULT"))
        CloseHandle(CreateThread(nullptr, 0, ProvokeFault, nullptr, 0, nullptr));
    StartUp();
}
