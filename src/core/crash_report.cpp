#include "core/crash_report.h"

#include "core/crash_report_text.h"
#include "core/startup.h"
#include "toolkit/tk_services.h"
#include "toolkit/tk_windows.h"

void ShowCrashReport()
{
    // A fault inside the report itself must not start it again.
    static bool running = false;
    if (running)
        return;
    running = true;

    const CrashReportText report =
        BuildCrashReport({TkFaultCode(), TkFaultAddress(), TkFaultMessage(), TkFaultModule(), TkFaultLine()});
    TkSetClipboardText(report.clipboard);
    if (TkMessageBox("ERROR", report.box, MB_YESNO) == IDNO)
        EndProgram();
    // Yes: the toolkit ends the process at once, without the end sequence.
}
