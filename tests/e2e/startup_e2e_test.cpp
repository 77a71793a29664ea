#include <gtest/gtest.h>

#include "e2e_driver.h"
#include "files.h"

namespace {

bool InstanceMutexExists()
{
    HANDLE mutex = OpenMutexA(SYNCHRONIZE, FALSE, "Tessaro");
    if (!mutex)
        return false;
    CloseHandle(mutex);
    return true;
}

class StartupTest : public testing::Test {
protected:
    void SetUp() override { StopAllTessaros(); }
    void TearDown() override
    {
        StopProgram(second);
        StopProgram(first);
        StopAllTessaros();
        DeleteFileA(SettingsFilePath().c_str());
    }
    RunningProgram first, second;
};

} // namespace

TEST_F(StartupTest, SecondInstanceShowsItsMessageInFrontBringsTheFirstForwardAndEndsWithCodeZero)
{
    // A hand-written file, which any save would rewrite in the program's own form.
    const std::string settings = "; written by hand\r\nShowShortGuide = 0\r\n";
    ASSERT_TRUE(WriteSettingsFile(settings));
    first = StartProgram(TESSARO_EXE);
    ASSERT_TRUE(first.process);
    ASSERT_TRUE(WaitUntil(InstanceMutexExists)) << "the first instance never took the single-instance mutex";
    HWND panel = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (panel = MainWindowOf(first.processId)) != nullptr; }));
    ShowWindow(panel, SW_MINIMIZE);
    ASSERT_TRUE(WaitUntil([&] { return IsIconic(panel) != 0; }));

    second = StartProgram(TESSARO_EXE);
    ASSERT_TRUE(second.process);
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (box = FindProgramWindow(second.processId, "Tessaro", "#32770")) != nullptr; }))
        << "the second instance showed no message box";
    EXPECT_EQ(MessageBoxText(box), "Das Programm l\xE4uft bereits.");
    EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr) << "the box has only an OK button";
    // The box is found as soon as it exists; it takes its topmost place while it sets itself up.
    EXPECT_TRUE(WaitUntil([&] { return IsTopmost(box); }))
        << "the message must not hide behind the first instance's topmost windows";
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == box; })) << "the message must stand in front";
    EXPECT_TRUE(WaitUntil([&] { return !IsIconic(panel) && IsWindowVisible(panel); }))
        << "the running instance's control panel must come back from the task bar";

    PressMessageBoxButton(box, IDOK);
    EXPECT_EQ(WaitForExit(second), 0u);
    EXPECT_EQ(WaitForExit(first, std::chrono::milliseconds(300)), static_cast<DWORD>(STILL_ACTIVE))
        << "the first instance must go on running";
    EXPECT_EQ(ReadBytes(SettingsFilePath()), settings) << "the second instance must leave the settings file alone";
}

TEST_F(StartupTest, StartCreatesTheSettingsFolderInApplicationData)
{
    const std::string folder = AppDataFolder() + "Tessaro";
    // Leave no settings file behind that an earlier run wrote; the folder itself must come back.
    DeleteFileA((folder + "\\Tessaro.prefs").c_str());
    RemoveDirectoryA(folder.c_str());
    ASSERT_FALSE(IsDirectory(folder)) << "the folder could not be removed before the test";

    first = StartProgram(TESSARO_EXE);
    ASSERT_TRUE(first.process);
    ASSERT_TRUE(WaitUntil(InstanceMutexExists));
    EXPECT_TRUE(IsDirectory(folder));
    EXPECT_EQ(WaitForExit(first, std::chrono::milliseconds(300)), static_cast<DWORD>(STILL_ACTIVE));
}
