// Capture of processor faults that nothing else handles: the record the crash report reads, and the filter that
// fills it and hands over to the program's fault procedure.
#include <windows.h>

#include "toolkit/tk_fault_messages.h"
#include "toolkit/tk_services.h"

namespace {

struct FaultRecord {
    uint32_t code = 0;
    uint64_t address = 0;
    uint64_t accessTarget = 0;
    int32_t line = 0;
    TkFaultRegisters registers{};
};

FaultRecord gFault;
TkFaultProcedure gProcedure = nullptr;
std::string gMainModule;
LPTOP_LEVEL_EXCEPTION_FILTER gPreviousFilter = nullptr;
bool gInstalled = false;

LONG WINAPI FaultFilter(EXCEPTION_POINTERS* info)
{
    const EXCEPTION_RECORD* record = info->ExceptionRecord;
    gFault.code = record->ExceptionCode;
    gFault.address = reinterpret_cast<uint64_t>(record->ExceptionAddress);
    gFault.accessTarget = (record->ExceptionCode == EXCEPTION_ACCESS_VIOLATION && record->NumberParameters >= 2)
                              ? static_cast<uint64_t>(record->ExceptionInformation[1])
                              : 0;
    gFault.line = CurrentLine;
    if (const CONTEXT* c = info->ContextRecord) {
        gFault.registers = {c->Rax, c->Rbx, c->Rcx, c->Rdx, c->Rbp, c->Rsi, c->Rdi, c->Rsp, c->Rip, c->EFlags};
    }
    if (gProcedure)
        gProcedure();
    // Whatever the procedure decided, the program never resumes after a fault.
    TerminateProcess(GetCurrentProcess(), 0);
    return EXCEPTION_EXECUTE_HANDLER;
}

} // namespace

void TkInstallFaultHandler(TkFaultProcedure procedure, std::string_view mainModule)
{
    gProcedure = procedure;
    gMainModule = mainModule;
    if (!gInstalled) {
        // After a stack overflow the filter runs on what is left of the stack; reserving some keeps the crash
        // report able to run.
        ULONG guarantee = 64 * 1024;
        SetThreadStackGuarantee(&guarantee);
        gPreviousFilter = SetUnhandledExceptionFilter(FaultFilter);
        gInstalled = true;
    }
}

void TkRemoveFaultHandler()
{
    if (gInstalled) {
        SetUnhandledExceptionFilter(gPreviousFilter);
        gInstalled = false;
    }
    gProcedure = nullptr;
}

uint32_t TkFaultCode()
{
    return gFault.code;
}

uint64_t TkFaultAddress()
{
    return gFault.address;
}

uint64_t TkFaultAccessTarget()
{
    return gFault.accessTarget;
}

std::string TkFaultMessage()
{
    return std::string(TkFaultMessageFor(gFault.code));
}

// The program is one module; the marker's high 8 bits do not name another.
std::string TkFaultModule()
{
    return gMainModule;
}

int32_t TkFaultLine()
{
    return gFault.line & 0xFFFFFF;
}

const TkFaultRegisters& TkFaultRegisterValues()
{
    return gFault.registers;
}
