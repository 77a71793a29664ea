// The main window's menu commands that show or change windows and settings, picked with the keyboard as a user does:
// "&Über ...", "&Kurzanleitung", "&Handbuch", "&Fenster immer im Vordergrund", "&Tooltipps anzeigen" and the edge
// tolerance's submenu.
#include "e2e_driver.h"

#include <algorithm>
#include <vector>

#include "core/object_ids.h"
#include "tessaro_version.h"
#include "window_search.h"

namespace {

class MenuTest : public ProgramTest {};

} // namespace

TEST_F(MenuTest, AboutBoxNamesProgramAndVersionAndStandsAboveAllWindows)
{
    ASSERT_TRUE(Start());
    ASSERT_TRUE(WaitUntilTakingInput());
    ASSERT_TRUE(OpenMenu(program.processId, main, L'H')) << "\"&Hilfe\" did not open";
    // The open menu, for a look at its items, "Über ..." among them; the bytes of its text are checked elsewhere.
    WaitForStillScreen();
    SaveScreenBitmap(ArtifactFolder() + "help-menu.bmp");

    ASSERT_TRUE(CloseMenu(program.processId, main));

    HWND box = nullptr;
    ASSERT_TRUE(PickMenuItem(program.processId, main, L'H', L'\x00DC', [&] {
        return (box = FindProgramWindow(program.processId, "Tessaro", "#32770")) != nullptr;
    })) << "the access key of the About item did not show the About box";
    EXPECT_EQ(MessageBoxText(box), "Tessaro\r\n\r\nVersion " TESSARO_VERSION_TEXT "\r\n\r\n");
    EXPECT_TRUE(IsTopmost(box)) << "the box is system-modal";
    EXPECT_NE(GetDlgItem(box, IDOK), nullptr);
    EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr) << "the box has only an OK button";

    // Enter once more when it went astray; once the box is gone, Enter does nothing in the main window.
    EXPECT_TRUE(WaitUntil([&] {
        BringToFront(box);
        PressKey(VK_RETURN);
        return WaitUntil([&] { return !IsWindow(box); }, std::chrono::seconds(2));
    })) << "Enter must close the box";
    EXPECT_TRUE(IsWindow(main)) << "closing the box must not end the program";
}

TEST_F(MenuTest, ManualItemOpensThePdfBesideTheProgramOrSaysWhereItLookedForIt)
{
    // A copy of the program in a folder of its own, and a handler for PDF files that writes down what it was given
    // (registered through HKEY_CLASSES_ROOT, which Wine takes from the machine's classes only).
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "TessaroManual\\";
    const std::string exe = folder + "Tessaro.exe", manual = folder + "Tessaro.pdf", opened = folder + "opened.txt";
    CreateDirectoryA(folder.c_str(), nullptr);
    ASSERT_TRUE(CopyFileA(TESSARO_EXE, exe.c_str(), FALSE));
    DeleteFileA(manual.c_str());
    DeleteFileA(opened.c_str());
    const std::string command = "C:\\windows\\system32\\cmd.exe /c echo %1>\"" + opened + "\"";
    ASSERT_EQ(RegSetKeyValueA(HKEY_CLASSES_ROOT, ".pdf", nullptr, REG_SZ, "TessaroTest.Pdf", 16), 0);
    ASSERT_EQ(RegSetKeyValueA(HKEY_CLASSES_ROOT, "TessaroTest.Pdf\\shell\\open\\command", nullptr, REG_SZ,
                              command.c_str(), static_cast<DWORD>(command.size() + 1)),
              0);

    ASSERT_TRUE(Start(exe));
    ASSERT_TRUE(WaitUntilTakingInput());
    HWND box = nullptr;
    ASSERT_TRUE(PickMenuItem(program.processId, main, L'H', L'H', [&] {
        return (box = FindProgramWindow(program.processId, "Tessaro", "#32770")) != nullptr;
    })) << "without the manual, the item must say so";
    EXPECT_EQ(MessageBoxText(box), "Das Handbuch wurde nicht gefunden:\r\n" + manual);
    PressMessageBoxButton(box, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
    EXPECT_FALSE(FileExists(opened)) << "nothing is opened when the manual is missing";

    ASSERT_TRUE(WriteBytes(manual, "%PDF-1.4\n"));
    // The handler's line is whole once its line end is written.
    ASSERT_TRUE(PickMenuItem(program.processId, main, L'H', L'H', [&] { return ReadBytes(opened).ends_with("\r\n"); }))
        << "the handler for PDF files was not started";
    EXPECT_EQ(ReadBytes(opened), manual + "\r\n") << "the shell opens exactly the manual beside the program";
    EXPECT_EQ(FindProgramWindow(program.processId, "Tessaro", "#32770"), nullptr);
    EXPECT_EQ(QuitThroughMenu(), 0u);
    RegDeleteTreeA(HKEY_CLASSES_ROOT, "TessaroTest.Pdf");
    RegDeleteTreeA(HKEY_CLASSES_ROOT, ".pdf");
}

TEST_F(MenuTest, AlwaysOnTopItemSwitchesTheMainWindowBothWaysAndTheExitStoresTheLastState)
{
    ASSERT_TRUE(Start());
    ASSERT_TRUE(WaitUntilTakingInput());
    ASSERT_TRUE(IsTopmost(main));
    for (const bool onTop : {false, true, false}) {
        SCOPED_TRACE(onTop ? "switched on again" : "switched off");
        ASSERT_TRUE(PickMenuItem(program.processId, main, L'E', L'F', [&] { return IsTopmost(main) == onTop; }))
            << "the item did not switch the main window";
        EXPECT_TRUE(IsTopmost(ruler)) << "the ruler stays on top whatever the main window does";
    }
    const RECT mainFrame = WindowRect(main), rulerFrame = WindowRect(ruler);
    ASSERT_EQ(QuitThroughMenu(), 0u);
    EXPECT_EQ(ReadBytes(SettingsFilePath()), SettingsFileText(1, 0, 1, mainFrame, rulerFrame));
}

// The edge tolerance is an item of a submenu of "Einstellungen"; the exit stores the choice after the nine keys.
TEST_F(MenuTest, ToleranceItemInItsSubmenuIsStoredAtTheExit)
{
    ASSERT_TRUE(Start());
    ASSERT_TRUE(WaitUntilTakingInput());
    ASSERT_TRUE(OpenMenu(program.processId, main, L'E'));
    TypeCharacter(L'K');
    ASSERT_TRUE(WaitUntil([&] {
        const std::vector<HWND> menus = TopLevelWindowsOf(program.processId, "#32768");
        return std::count_if(menus.begin(), menus.end(), IsWindowVisible) == 2;
    })) << "the submenu did not open beside the drop-down";
    TypeCharacter(L'r');
    ASSERT_TRUE(WaitUntil([&] { return !OpenMenuOf(program.processId) && !InMenuMode(main); }))
        << "\"Gering\" did not close the menus";
    const RECT mainFrame = WindowRect(main), rulerFrame = WindowRect(ruler);
    ASSERT_EQ(QuitThroughMenu(), 0u);
    EXPECT_EQ(ReadBytes(SettingsFilePath()), SettingsFileText(1, 1, 1, mainFrame, rulerFrame, 0, 8));
}

TEST_F(MenuTest, ShortGuideItemReplacesAnOpenGuideWhoseBoxShowsTheStoredChoiceAgain)
{
    ASSERT_TRUE(Start());
    ASSERT_TRUE(WaitUntilTakingInput());
    const HWND firstGuide = ShortGuideOf(program.processId);
    ASSERT_NE(firstGuide, nullptr);
    ClickControl(firstGuide, ShowGuideAtStartCheck);
    ASSERT_TRUE(WaitUntil([&] { return !IsChecked(firstGuide, ShowGuideAtStartCheck); }));

    HWND guide = nullptr;
    ASSERT_TRUE(PickMenuItem(program.processId, main, L'H', L'K', [&] {
        guide = ShortGuideOf(program.processId);
        return !IsWindow(firstGuide) && guide && GetDlgItem(guide, ShowGuideAtStartCheck);
    })) << "the open guide was not replaced by a new one";
    EXPECT_TRUE(IsChecked(guide, ShowGuideAtStartCheck)) << "the new box shows ShowShortGuide, still 1";

    // The discarded guide's cleared box was never recorded.
    ASSERT_EQ(QuitThroughMenu(), 0u);
    EXPECT_EQ(ReadBytes(SettingsFilePath()).substr(0, 20), "ShowShortGuide = 1\r\n");
}

namespace {

// What the guide is like when the user switches the tooltips off, and what the rebuild must make of it.
struct GuideBeforeRebuild {
    const char* name;
    bool clearBox;       // the user clears "Diese Information bei Programmstart anzeigen"
    bool closeWithOk;    // and closes the guide with "OK"
    bool guideAfter;     // the rebuilt windows include the guide
    int storedShowGuide; // ShowShortGuide at the exit
};

class TooltipItemTest : public MenuTest, public testing::WithParamInterface<GuideBeforeRebuild> {};

} // namespace

TEST_P(TooltipItemTest, SwitchingTooltipsOffRebuildsTheWindowsInPlaceAndFollowsTheGuideChoice)
{
    const GuideBeforeRebuild& guideCase = GetParam();
    ASSERT_TRUE(Start());
    ASSERT_TRUE(WaitUntilTakingInput());
    ASSERT_EQ(ToolTipCount(program.processId), 35);
    HWND guide = ShortGuideOf(program.processId);
    ASSERT_NE(guide, nullptr);
    if (guideCase.clearBox) {
        ClickControl(guide, ShowGuideAtStartCheck);
        ASSERT_TRUE(WaitUntil([&] { return !IsChecked(guide, ShowGuideAtStartCheck); }));
    }
    if (guideCase.closeWithOk) {
        ClickControl(guide, GuideOkButton);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(guide); }));
    }
    // A ruler moved by the user must stay where it is now, not go back to where the start put it.
    ClickControl(main, MoveRightButton);
    ASSERT_TRUE(WaitUntil([&] { return ControlText(main, LeftEdgeTopField) == "101"; }))
        << "the button did not move it";
    const RECT mainFrame = WindowRect(main), rulerFrame = WindowRect(ruler);

    const HWND oldMain = main;
    ASSERT_TRUE(PickMenuItem(program.processId, main, L'E', L'T', [&] { return !IsWindow(oldMain); }))
        << "the item did not close the windows to build them again";
    ASSERT_TRUE(WaitForRebuiltWindows()) << "the windows were not built again";
    ASSERT_TRUE(WaitUntilTakingInput());
    EXPECT_EQ(ToolTipCount(program.processId), 0);
    EXPECT_EQ(RectText(WindowRect(main)), RectText(mainFrame));
    EXPECT_EQ(RectText(WindowRect(ruler)), RectText(rulerFrame));
    EXPECT_EQ(ControlText(main, LeftEdgeTopField), "101");
    guide = ShortGuideOf(program.processId);
    EXPECT_EQ(guide != nullptr, guideCase.guideAfter);
    if (guide) {
        EXPECT_TRUE(IsChecked(guide, ShowGuideAtStartCheck));
    }

    ASSERT_EQ(QuitThroughMenu(), 0u);
    EXPECT_EQ(ReadBytes(SettingsFilePath()), SettingsFileText(guideCase.storedShowGuide, 1, 0, mainFrame, rulerFrame));
}

INSTANTIATE_TEST_SUITE_P(Guide, TooltipItemTest,
                         testing::Values(GuideBeforeRebuild{"BoxClearedGuideOpen", true, false, false, 0},
                                         GuideBeforeRebuild{"BoxKeptGuideClosed", false, true, true, 1}),
                         [](const auto& info) { return std::string(info.param.name); });
