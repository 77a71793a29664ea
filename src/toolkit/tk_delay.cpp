#include <windows.h>

#include <mmsystem.h>

#include "toolkit/tk_services.h"

void TkDelay(int milliseconds)
{
    // The default timer tick of about 15.6 ms would stretch every short delay; 1 ms stays for the rest of the run.
    static const bool fineTimer = timeBeginPeriod(1) == TIMERR_NOERROR;
    (void)fineTimer;
    Sleep(milliseconds < 0 ? 0 : static_cast<DWORD>(milliseconds));
}
