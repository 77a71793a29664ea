#include <windows.h>

#include <gtest/gtest.h>

#include <thread>

#include "clipboard.h"
#include "files.h"
#include "toolkit/tk_services.h"
#include "win_test_support.h"

TEST(Clipboard, TextComesBackByteExactIncludingTheDegreeSign)
{
    const std::string texts[] = {"120\xB0, 50%, 40%", "A program error occurred!\r\n\r\n", "x"};
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        ASSERT_NE(TkSetClipboardText(text), 0);
        EXPECT_EQ(ClipboardText(), text);
    }
}

TEST(Clipboard, FailsWhileAnotherThreadHoldsTheClipboard)
{
    HANDLE opened = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::thread holder([&] {
        HWND window = CreateWindowExA(0, "STATIC", "holder", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        const bool held = OpenClipboard(window) != 0;
        SetEvent(opened);
        WaitForSingleObject(release, 10000);
        if (held)
            CloseClipboard();
        DestroyWindow(window);
    });
    WaitForSingleObject(opened, 10000);
    const int result = TkSetClipboardText("never placed");
    SetEvent(release);
    holder.join();
    CloseHandle(opened);
    CloseHandle(release);
    EXPECT_EQ(result, 0);
}

TEST(Directory, TrailingBlanksAndSlashesAreCutBeforeCreating)
{
    const std::string folder = MakeTestFolder();
    struct Case {
        const char* given;
        const char* created;
    } cases[] = {
        {"Tessaro\\", "Tessaro"},
        {"Two  \\/ \\", "Two"},
        {"Three/", "Three"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.given);
        EXPECT_NE(TkCreateDirectory(folder + c.given), 0);
        EXPECT_TRUE(IsDirectory(folder + c.created));
    }
    EXPECT_EQ(TkCreateDirectory(folder + "Tessaro\\"), 0) << "an existing folder is reported as not created";
    EXPECT_EQ(TkCreateDirectory(folder + "missing\\inner\\"), 0) << "only one level is created";
    EXPECT_EQ(TkCreateDirectory(" \\/"), 0);
}

TEST(Monitors, PrimaryMonitorComesFirstWithTheScreenSize)
{
    const int count = TkExamineMonitors();
    ASSERT_GE(count, 1);
    EXPECT_EQ(TkMonitorCount(), count);
    const TkMonitor* primary = TkMonitorAt(0);
    ASSERT_NE(primary, nullptr);
    EXPECT_EQ(primary->width, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(primary->height, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(TkMonitorAt(count), nullptr);
    EXPECT_EQ(TkMonitorAt(-1), nullptr);
}
