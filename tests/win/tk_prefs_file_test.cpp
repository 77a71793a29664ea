#include <windows.h>

#include <gtest/gtest.h>

#include "files.h"
#include "toolkit/tk_services.h"
#include "win_test_support.h"

TEST(PrefsFile, SavedFileHoldsExactlyTheWrittenLinesAndNoTemporaryIsLeft)
{
    const std::string folder = MakeTestFolder();
    const std::string path = folder + "Tessaro.prefs";
    WriteBytes(path, "; old comment\r\nOldKey = 7\r\n[Group]\r\nX = 1\r\n");

    ASSERT_NE(TkCreatePreferences(path), 0);
    TkWritePreference("ShowShortGuide", "1");
    TkWritePreference("MainWindowPosX", "-1280");
    TkWritePreference("showshortguide", "0"); // same key in other letter case: replaced, not added
    EXPECT_NE(TkClosePreferences(), 0);

    EXPECT_EQ(ReadBytes(path), "ShowShortGuide = 0\r\nMainWindowPosX = -1280\r\n");
    EXPECT_FALSE(FileExists(path + ".tmp"));
}

TEST(PrefsFile, OpenedFileAnswersReadsAndMissingFileGivesDefaults)
{
    const std::string folder = MakeTestFolder();
    const std::string path = folder + "Tessaro.prefs";

    EXPECT_EQ(TkOpenPreferences(path), 0);
    EXPECT_EQ(TkReadPreference("RulerWindowWidth", "300"), "300");
    TkClosePreferences();

    WriteBytes(path, "\xEF\xBB\xBF\tRulerWindowWidth =  $1F4 \r\nrulerwindowwidth = 9\n");
    ASSERT_NE(TkOpenPreferences(path), 0);
    EXPECT_EQ(TkReadPreference("RULERWINDOWWIDTH", "300"), "$1F4");
    EXPECT_EQ(TkReadPreference("RulerWindowHeight", "150"), "150");
    EXPECT_NE(TkClosePreferences(), 0);
    // Reading alone never rewrites the file.
    EXPECT_EQ(ReadBytes(path), "\xEF\xBB\xBF\tRulerWindowWidth =  $1F4 \r\nrulerwindowwidth = 9\n");

    EXPECT_EQ(TkReadPreference("RulerWindowWidth", "300"), "300") << "no file is open after the close";
}

TEST(PrefsFile, CreateInMissingFolderFailsAndWritesNothing)
{
    const std::string path = MakeTestFolder() + "no-such-folder\\Tessaro.prefs";
    EXPECT_EQ(TkCreatePreferences(path), 0);
    TkWritePreference("ShowShortGuide", "1"); // no open file: ignored
    EXPECT_NE(TkClosePreferences(), 0);
    EXPECT_FALSE(FileExists(path));
}

TEST(PrefsFile, FailedReplaceKeepsTheOldFileWholeAndReportsFailure)
{
    const std::string folder = MakeTestFolder();
    const std::string path = folder + "Tessaro.prefs";
    const std::string old = "ShowShortGuide = 0\r\nRulerWindowWidth = 640\r\n";
    WriteBytes(path, old);

    ASSERT_NE(TkCreatePreferences(path), 0);
    TkWritePreference("ShowShortGuide", "1");
    // Another program holds the settings file open without sharing: the replace cannot happen.
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const int closed = TkClosePreferences();
    CloseHandle(held);

    EXPECT_EQ(closed, 0);
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_FALSE(FileExists(path + ".tmp"));
}

TEST(PrefsFile, CreatingAgainClosesThePreviousFileFirst)
{
    const std::string folder = MakeTestFolder();
    ASSERT_NE(TkCreatePreferences(folder + "a.prefs"), 0);
    TkWritePreference("A", "1");
    ASSERT_NE(TkCreatePreferences(folder + "b.prefs"), 0);
    TkWritePreference("B", "2");
    EXPECT_NE(TkClosePreferences(), 0);
    EXPECT_EQ(ReadBytes(folder + "a.prefs"), "A = 1\r\n");
    EXPECT_EQ(ReadBytes(folder + "b.prefs"), "B = 2\r\n");
}
