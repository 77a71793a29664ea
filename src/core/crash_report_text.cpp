#include "core/crash_report_text.h"

#include "core/program_texts.h"
#include "toolkit/tk_text.h"

namespace {

constexpr const char* SupportContact = "Tessaro Project, Germany, support@tessaro.example";

} // namespace

CrashReportText BuildCrashReport(const CrashFacts& facts)
{
    CrashReportText report;
    std::string& text = report.clipboard;
    text += "A program error occurred!\r\n\r\n";
    text += "Error message:\t" + facts.message + "\r\n";
    // Exception codes have the top bit set, so they usually read as negative numbers.
    text += "Error code:\t" + TkIntToText(static_cast<int32_t>(facts.code)) + "\r\n\r\n";
    // The whole 64-bit address: cut to 32 bits it would name a place that does not exist in this program.
    text += "Error address:\t" + TkIntToText(static_cast<int64_t>(facts.address)) + "\r\n";
    text += "Program name:\tTessaro\r\n";
    text += std::string("Program version:\t") + ProgramVersionText + "\r\n";
    text += "Program module:\t" + facts.module + "\r\n";
    text += "Program line:\t" + TkIntToText(facts.line) + "\r\n\r\n";

    report.box = text;
    report.box += "Please send this information which is now in the clipboard to\r\n";
    report.box += std::string(SupportContact) + "\r\n\r\n";
    report.box += "Continue program execution?    (not recommended)";
    return report;
}
