#include <windows.h>

#include <mmsystem.h>

#include "toolkit/tk_services.h"

namespace {

// winmm is no DLL the system always takes from its own folder, so it is loaded from there by hand rather than
// imported: a winmm.dll lying beside the program is never used.
bool SetFineTimer()
{
    HMODULE winmm = LoadLibraryExW(L"winmm.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!winmm)
        return false;
    using TimePeriodProcedure = UINT(WINAPI*)(UINT);
    const auto beginPeriod =
        reinterpret_cast<TimePeriodProcedure>(reinterpret_cast<void (*)()>(GetProcAddress(winmm, "timeBeginPeriod")));
    return beginPeriod && beginPeriod(1) == TIMERR_NOERROR;
}

} // namespace

void TkDelay(int milliseconds)
{
    // The default timer tick of about 15.6 ms would stretch every short delay; 1 ms stays for the rest of the run.
    static const bool fineTimer = SetFineTimer();
    (void)fineTimer;
    Sleep(milliseconds < 0 ? 0 : static_cast<DWORD>(milliseconds));
}
