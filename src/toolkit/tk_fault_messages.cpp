#include "toolkit/tk_fault_messages.h"

namespace {

struct FaultMessage {
    uint32_t code;
    std::string_view text;
};

constexpr FaultMessage kFaultMessages[] = {
    {0xC0000005u, "Invalid memory access"},
    {0xC000008Cu, "Array bounds exceeded"},
    {0x80000003u, "Debugger breakpoint reached"},
    {0x80000002u, "Misaligned data access"},
    {0xC000008Du, "Denormal floating-point operand"},
    {0xC000008Eu, "Division by zero (floating-point)"},
    {0xC000008Fu, "Inexact floating-point result"},
    {0xC0000090u, "Invalid floating-point operation"},
    {0xC0000091u, "Floating-point overflow (exponent to great)"},
    {0xC0000092u, "Floating-point stack overflow or underflow"},
    {0xC0000093u, "Floating-point underflow (exponent too small)"},
    {0xC000001Du, "Illegal instruction"},
    {0xC0000006u, "Memory page error"},
    {0xC0000094u, "Division by zero "},
    {0xC0000095u, "Integer overflow"},
    {0xC0000026u, "Exception handler returned unknown value"},
    {0xC0000025u, "Exception handler tried to continue after non-continuable exception"},
    {0xC0000096u, "Privileged instruction"},
    {0x80000004u, "Single step trap"},
    {0xC00000FDu, "Stack overflow"},
};

} // namespace

std::string_view TkFaultMessageFor(uint32_t code)
{
    for (const FaultMessage& message : kFaultMessages) {
        if (message.code == code) {
            return message.text;
        }
    }
    return "Unknown error code";
}
