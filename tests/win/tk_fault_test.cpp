#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "toolkit/tk_services.h"
#include "waits.h"
#include "win_test_support.h"

namespace {

std::string gOutFile;
int gExpectedLine = 0;

// The fault procedure of the child: writes what the toolkit captured, one value per line.
void ReportFault()
{
    std::FILE* out = std::fopen(gOutFile.c_str(), "wb");
    if (!out)
        return;
    std::fprintf(out, "%08lX\n%d\n%d\n%s\n%s|\n%d\n", static_cast<unsigned long>(TkFaultCode()), TkFaultLine(),
                 gExpectedLine, TkFaultModule().c_str(), TkFaultMessage().c_str(), TkFaultAddress() != 0 ? 1 : 0);
    std::fclose(out);
}

struct ChildResult {
    DWORD exitCode = 0xFFFFFFFF;
    std::string code, line, expectedLine, module, message, hasAddress;
};

ChildResult RunChild(const std::string& kind)
{
    const std::string outFile = MakeTestFolder() + "fault.txt";
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    ChildResult result;
    result.exitCode = RunToEnd("\"" + std::string(self) + "\" --fault-child " + kind + " \"" + outFile + "\"", 60000);
    std::ifstream in(outFile);
    std::getline(in, result.code);
    std::getline(in, result.line);
    std::getline(in, result.expectedLine);
    std::getline(in, result.module);
    std::getline(in, result.message);
    std::getline(in, result.hasAddress);
    return result;
}

} // namespace

int RunFaultChild(const std::string& kind, const std::string& outFile)
{
    gOutFile = outFile;
    TkInstallFaultHandler(ReportFault, "Tessaro");
    if (kind == "null-write") {
        volatile int* volatile target = nullptr;
        gExpectedLine = __LINE__ + 1;
        TkMarkLine(0);
        *target = 1;
    } else if (kind == "int-divide") {
        volatile int zero = 0;
        volatile int result = 0;
        gExpectedLine = __LINE__ + 1;
        TkMarkLine(2);
        result = 7 / zero;
        (void)result;
    } else if (kind == "unknown-code") {
        gExpectedLine = __LINE__ + 1;
        TkMarkLine(0);
        RaiseException(0xE06D7363, 0, 0, nullptr);
    }
    return 3; // reached only when no fault happened
}

TEST(FaultHandler, NullPointerWriteIsCapturedWithTheMarkedLineAndEndsWithCodeZero)
{
    const ChildResult child = RunChild("null-write");
    EXPECT_EQ(child.exitCode, 0u);
    EXPECT_EQ(child.code, "C0000005");
    EXPECT_EQ(child.line, child.expectedLine);
    EXPECT_EQ(child.module, "Tessaro");
    EXPECT_EQ(child.message, "Invalid memory access|");
    EXPECT_EQ(child.hasAddress, "1");
}

TEST(FaultHandler, IntegerDivisionByZeroKeepsTheMessagesTrailingBlank)
{
    const ChildResult child = RunChild("int-divide");
    EXPECT_EQ(child.exitCode, 0u);
    EXPECT_EQ(child.code, "C0000094");
    EXPECT_EQ(child.message, "Division by zero |");
    EXPECT_EQ(child.line, child.expectedLine) << "the module bits must not leak into the line";
    EXPECT_EQ(child.module, "Tessaro") << "an unnamed module number falls back to the main module";
}

TEST(FaultHandler, CodeOutsideTheTableIsReportedAsUnknown)
{
    const ChildResult child = RunChild("unknown-code");
    EXPECT_EQ(child.exitCode, 0u);
    EXPECT_EQ(child.code, "E06D7363");
    EXPECT_EQ(child.message, "Unknown error code|");
}
