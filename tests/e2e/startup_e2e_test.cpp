#include <gtest/gtest.h>

#include "e2e_support.h"

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
    }
    RunningProgram first, second;
};

} // namespace

TEST_F(StartupTest, SecondInstanceShowsItsMessageAndEndsWithCodeZero)
{
    first = StartProgram(TESSARO_EXE);
    ASSERT_TRUE(first.process);
    ASSERT_TRUE(WaitUntil(InstanceMutexExists)) << "the first instance never took the single-instance mutex";

    second = StartProgram(TESSARO_EXE);
    ASSERT_TRUE(second.process);
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (box = FindProgramWindow(second.processId, "Tessaro", "#32770")) != nullptr; }))
        << "the second instance showed no message box";
    EXPECT_EQ(MessageBoxText(box), "Das Programm l\xE4uft bereits.");
    EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr) << "the box has only an OK button";

    PressMessageBoxButton(box, IDOK);
    EXPECT_EQ(WaitForExit(second), 0u);
    EXPECT_EQ(WaitForExit(first, std::chrono::milliseconds(300)), static_cast<DWORD>(STILL_ACTIVE))
        << "the first instance must go on running";
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
