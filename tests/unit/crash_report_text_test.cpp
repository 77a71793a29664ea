#include <gtest/gtest.h>

#include "core/crash_report_text.h"
#include "tessaro_version.h"
#include "toolkit/tk_fault_messages.h"

namespace {

CrashFacts FactsFor(uint32_t code, uint64_t address = 0x140001234, int32_t line = 321)
{
    return {code, address, std::string(TkFaultMessageFor(code)), "Tessaro", line};
}

} // namespace

TEST(CrashReport, ClipboardHoldsExactlyTheFactsEndingInABlankLine)
{
    const CrashReportText report = BuildCrashReport(FactsFor(0xC0000005));
    EXPECT_EQ(report.clipboard, "A program error occurred!\r\n\r\n"
                                "Error message:\tInvalid memory access\r\n"
                                "Error code:\t-1073741819\r\n\r\n"
                                "Error address:\t5368713780\r\n"
                                "Program name:\tTessaro\r\n"
                                "Program version:\tVersion " TESSARO_VERSION_TEXT "\r\n"
                                "Program module:\tTessaro\r\n"
                                "Program line:\t321\r\n\r\n");
}

TEST(CrashReport, BoxAddsTheRequestTheContactAndTheQuestion)
{
    const CrashReportText report = BuildCrashReport(FactsFor(0xC00000FD));
    ASSERT_EQ(report.box.rfind(report.clipboard, 0), 0u) << "the box starts with the clipboard text";
    const std::string rest = report.box.substr(report.clipboard.size());
    EXPECT_EQ(rest.rfind("Please send this information which is now in the clipboard to\r\n", 0), 0u) << rest;
    const size_t contactEnd = rest.find("\r\n\r\n");
    ASSERT_NE(contactEnd, std::string::npos);
    EXPECT_NE(rest.find('@'), std::string::npos) << "the contact line carries an address";
    EXPECT_EQ(rest.substr(contactEnd + 4), "Continue program execution?    (not recommended)");
    EXPECT_NE(report.box.find("Error code:\t-1073741571\r\n"), std::string::npos);
}

TEST(CrashReport, CodesAndMessagesAreWrittenAsTheUserWillPasteThem)
{
    struct Case {
        uint32_t code;
        const char* line;
    } cases[] = {
        {0xC0000094, "Error message:\tDivision by zero \r\nError code:\t-1073741676\r\n"},
        {0xE06D7363, "Error message:\tUnknown error code\r\nError code:\t-529697949\r\n"},
        {0x80000003, "Error message:\tDebugger breakpoint reached\r\nError code:\t-2147483645\r\n"},
        {0x00000001, "Error message:\tUnknown error code\r\nError code:\t1\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_NE(BuildCrashReport(FactsFor(c.code)).clipboard.find(c.line), std::string::npos);
    }
}

TEST(CrashReport, HighAddressesAreNotCutTo32Bits)
{
    const CrashReportText report = BuildCrashReport(FactsFor(0xC0000005, 0x00007FF6A0001000ull, 0));
    EXPECT_NE(report.clipboard.find("Error address:\t140697223041024\r\n"), std::string::npos) << report.clipboard;
    EXPECT_NE(report.clipboard.find("Program line:\t0\r\n\r\n"), std::string::npos);
}
