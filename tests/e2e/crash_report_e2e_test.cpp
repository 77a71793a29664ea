#include <gtest/gtest.h>

#include "e2e_support.h"
#include "fault_test_marker.h"
#include "tessaro_version.h"

namespace {

const std::string ExpectedFactsStart = "A program error occurred!\r\n\r\n"
                                       "Error message:\tInvalid memory access\r\n"
                                       "Error code:\t-1073741819\r\n\r\n"
                                       "Error address:\t";
const std::string ExpectedFactsEnd = "\r\nProgram name:\tTessaro\r\n"
                                     "Program version:\tVersion " TESSARO_VERSION_TEXT "\r\n"
                                     "Program module:\tTessaro\r\n"
                                     "Program line:\t4242\r\n\r\n";

class CrashReportTest : public testing::Test {
protected:
    void SetUp() override
    {
        StopAllTessaros();
        ClearClipboard();
    }
    void TearDown() override
    {
        StopProgram(program);
        StopAllTessaros();
    }

    // Starts the test build with a fault and waits for the report's box.
    HWND ProvokeReport(const std::string& kind)
    {
        program = StartProgram(TESSARO_FAULT_TEST_EXE, "TESSARO_TEST_FAULT=" + kind);
        HWND box = nullptr;
        WaitUntil([&] { return (box = FindProgramWindow(program.processId, "ERROR", "#32770")) != nullptr; });
        return box;
    }

    RunningProgram program;
};

} // namespace

TEST_F(CrashReportTest, ReportPutsOnlyTheFactsOnTheClipboardAndNoEndsWithCodeZero)
{
    static_assert(ProvokedFaultLine == 4242, "the expected texts below name this line");
    HWND box = ProvokeReport("null-write");
    ASSERT_NE(box, nullptr) << "no crash report appeared";

    const std::string clipboard = ClipboardText();
    ASSERT_EQ(clipboard.rfind(ExpectedFactsStart, 0), 0u) << clipboard;
    ASSERT_GE(clipboard.size(), ExpectedFactsEnd.size());
    EXPECT_EQ(clipboard.substr(clipboard.size() - ExpectedFactsEnd.size()), ExpectedFactsEnd) << clipboard;
    const std::string address = clipboard.substr(
        ExpectedFactsStart.size(), clipboard.size() - ExpectedFactsStart.size() - ExpectedFactsEnd.size());
    EXPECT_FALSE(address.empty());
    EXPECT_EQ(address.find_first_not_of("0123456789"), std::string::npos) << address;

    const std::string text = MessageBoxText(box);
    EXPECT_EQ(text.rfind(clipboard, 0), 0u) << text;
    EXPECT_NE(text.find("Please send this information which is now in the clipboard to\r\n"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 48), "Continue program execution?    (not recommended)");
    EXPECT_NE(GetDlgItem(box, IDYES), nullptr);
    EXPECT_NE(GetDlgItem(box, IDNO), nullptr);

    PressMessageBoxButton(box, IDNO);
    EXPECT_EQ(WaitForExit(program), 0u);
}

TEST_F(CrashReportTest, YesAlsoEndsTheProgramWithCodeZero)
{
    HWND box = ProvokeReport("int-divide");
    ASSERT_NE(box, nullptr) << "no crash report appeared";
    EXPECT_NE(MessageBoxText(box).find("Error message:\tDivision by zero \r\nError code:\t-1073741676\r\n"),
              std::string::npos)
        << MessageBoxText(box);
    PressMessageBoxButton(box, IDYES);
    EXPECT_EQ(WaitForExit(program), 0u);
}
