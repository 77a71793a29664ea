// The settings file and the registry value across runs: what a normal exit writes, what the next start reads, and
// how a file edited by hand is taken.
#include "e2e_driver.h"

#include "core/object_ids.h"

namespace {

class SettingsTest : public ProgramTest {};

// The program's folder as the system names its image, with a trailing backslash.
std::string ProgramFolder(HANDLE process)
{
    char path[MAX_PATH] = {};
    DWORD size = sizeof(path);
    if (!QueryFullProcessImageNameA(process, 0, path, &size))
        return "<unknown>";
    std::string folder = path;
    return folder.substr(0, folder.find_last_of("\\/") + 1);
}

enum class QuitWay { Menu, AltF4 };

class QuitTest : public SettingsTest, public testing::WithParamInterface<QuitWay> {};

enum class GuideClose { Ok, Enter, Escape, CloseBox };

class GuideCloseTest : public SettingsTest, public testing::WithParamInterface<GuideClose> {};

std::string GuideCloseName(const testing::TestParamInfo<GuideClose>& info)
{
    const char* const names[] = {"Ok", "Enter", "Escape", "CloseBox"};
    return names[static_cast<int>(info.param)];
}

} // namespace

TEST_P(QuitTest, NormalExitWritesTheNineLinesWithTheLivePlacesAndTheProgramFolder)
{
    ASSERT_TRUE(Start());
    ASSERT_TRUE(WaitUntilTakingInput());
    const RECT mainFrame = WindowRect(main), rulerFrame = WindowRect(ruler);
    const std::string folder = ProgramFolder(program.process);
    ASSERT_FALSE(FileExists(SettingsFilePath())) << "nothing may be written before the exit";

    if (GetParam() == QuitWay::Menu) {
        ASSERT_TRUE(PickMenuItem(program.processId, main, L'D', L'B', [&] {
            return WaitForExit(program, std::chrono::milliseconds(0)) != STILL_ACTIVE;
        })) << "\"&Beenden\" did not end the program";
    } else {
        // Alt+F4 that reaches the ruler instead is ignored there; it is then given again.
        WaitUntil([&] {
            BringToFront(main);
            PressKey(VK_F4, {VK_MENU});
            return WaitForExit(program, std::chrono::seconds(2)) != STILL_ACTIVE;
        });
    }
    EXPECT_EQ(WaitForExit(program), 0u) << DescribeWindowsOf(program.processId);

    EXPECT_EQ(ReadBytes(SettingsFilePath()), SettingsFileText(1, 1, 1, mainFrame, rulerFrame));
    EXPECT_EQ(SettingsFileText(1, 1, 1, mainFrame, rulerFrame),
              "ShowShortGuide = 1\r\nMainWindowOnTop = 1\r\nShowTooltips = 1\r\nMainWindowPosX = 500\r\n"
              "MainWindowPosY = 10\r\nRulerWindowPosX = 100\r\nRulerWindowPosY = 10\r\nRulerWindowWidth = 300\r\n"
              "RulerWindowHeight = 150\r\nMeasureUnit = 0\r\nEdgeTolerance = 0\r\n")
        << "the windows did not stand at their default places";
    DWORD type = 0;
    const std::wstring installDir = UserRegistryData(ProgramRegistryKey, "InstallDir", &type);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    // The folder is plain ASCII here, so each character widens unchanged.
    EXPECT_EQ(installDir, std::wstring(folder.begin(), folder.end()) + L'\0') << "with its terminating zero";
    EXPECT_EQ(folder.back(), '\\');
}

INSTANTIATE_TEST_SUITE_P(Ways, QuitTest, testing::Values(QuitWay::Menu, QuitWay::AltF4),
                         [](const auto& info) { return info.param == QuitWay::Menu ? "MenuQuit" : "AltF4"; });

TEST_F(SettingsTest, ExitStoresTheWindowsWhereTheUserLeftThemNotWhereTheStartPutThem)
{
    ASSERT_TRUE(WriteSettingsFile("ShowShortGuide = 0\r\n"));
    ASSERT_TRUE(Start());
    ASSERT_TRUE(WaitUntilTakingInput());
    // The ruler one pixel to the right and one pixel taller, with the panel's buttons.
    ClickControl(main, MoveRightButton);
    ASSERT_TRUE(WaitUntil([&] { return ControlText(main, LeftEdgeTopField) == "101"; }));
    ClickControl(main, GrowBottomButton);
    ASSERT_TRUE(WaitUntil([&] { return ControlText(main, RulerHeightField) == "151"; }));
    // The main window dragged by its title bar, 200 pixels to the left and 100 down.
    const RECT before = WindowRect(main);
    const POINT title{before.left + 80,
                      before.top + GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2};
    DragMouse(title, {title.x - 200, title.y + 100});
    ASSERT_TRUE(WaitUntil([&] { return WindowRect(main).left == before.left - 200; }))
        << "the drag did not move the main window: " << RectText(WindowRect(main));

    const RECT mainFrame = WindowRect(main), rulerFrame = WindowRect(ruler);
    EXPECT_EQ(RectText(rulerFrame), "(101,10)-(401,161)");
    ASSERT_EQ(QuitThroughMenu(), 0u);
    EXPECT_EQ(ReadBytes(SettingsFilePath()), SettingsFileText(0, 1, 1, mainFrame, rulerFrame));
}

TEST_F(SettingsTest, ExitWhileMinimisedStoresTheMainWindowsPlaceNotWhereTheSystemParksIt)
{
    ASSERT_TRUE(WriteSettingsFile("ShowShortGuide = 0\r\nMainWindowPosX = 420\r\nMainWindowPosY = 33\r\n"));
    ASSERT_TRUE(Start());
    ASSERT_TRUE(WaitUntilTakingInput());
    // A double-click on the ruler's body minimises the main window.
    const RECT rulerFrame = WindowRect(ruler);
    DoubleClickAt({rulerFrame.left + 75, rulerFrame.top + 75});
    ASSERT_TRUE(WaitUntil([&] { return IsIconic(main); })) << "the double-click did not minimise the main window";
    // Closing a minimised window from the task bar: the close command of its window menu.
    PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(WaitForExit(program), 0u);
    const std::string text = ReadBytes(SettingsFilePath());
    EXPECT_NE(text.find("\r\nMainWindowPosX = 420\r\nMainWindowPosY = 33\r\n"), std::string::npos) << text;
}

TEST_F(SettingsTest, GuideBoxClearedAndQuitWithTheGuideOpenKeepsTheGuideClosedNextTime)
{
    ASSERT_TRUE(Start());
    ASSERT_TRUE(WaitUntilTakingInput());
    HWND guide = ShortGuideOf(program.processId);
    ASSERT_NE(guide, nullptr);
    ClickControl(guide, ShowGuideAtStartCheck);
    ASSERT_TRUE(WaitUntil([&] { return !IsChecked(guide, ShowGuideAtStartCheck); })) << "the click did not clear it";
    ASSERT_EQ(QuitThroughMenu(), 0u);
    EXPECT_EQ(ReadBytes(SettingsFilePath()).substr(0, 20), "ShowShortGuide = 0\r\n");

    ASSERT_TRUE(Start());
    ASSERT_TRUE(WaitUntilTakingInput());
    EXPECT_EQ(ShortGuideOf(program.processId), nullptr) << "the guide opened although it was switched off";
    ASSERT_TRUE(PickMenuItem(program.processId, main, L'H', L'K', [&] {
        return (guide = ShortGuideOf(program.processId)) != nullptr;
    })) << "\"&Kurzanleitung\" must open the guide all the same";
    ASSERT_TRUE(WaitUntil([&] { return GetDlgItem(guide, ShowGuideAtStartCheck) != nullptr; }));
    EXPECT_FALSE(IsChecked(guide, ShowGuideAtStartCheck)) << "the box shows the stored choice";
}

// Every way of closing the guide records its box as "OK" does: the button, Enter, Escape and the close box.
TEST_P(GuideCloseTest, GuideBoxClearedAndClosedIsStoredAtExit)
{
    ASSERT_TRUE(Start());
    ASSERT_TRUE(WaitUntilTakingInput());
    HWND guide = ShortGuideOf(program.processId);
    ASSERT_NE(guide, nullptr);
    ClickControl(guide, ShowGuideAtStartCheck);
    ASSERT_TRUE(WaitUntil([&] { return !IsChecked(guide, ShowGuideAtStartCheck); }));
    const RECT rulerBefore = WindowRect(ruler);
    switch (GetParam()) {
    case GuideClose::Ok: ClickControl(guide, GuideOkButton); break;
    case GuideClose::Enter:
    case GuideClose::Escape:
        ASSERT_TRUE(BringToFront(guide));
        // The ruler's arrow keys belong to the main window and the ruler: in the active guide they do nothing.
        PressKey(VK_RIGHT);
        PressKey(VK_DOWN, {VK_SHIFT});
        PressKey(GetParam() == GuideClose::Enter ? VK_RETURN : VK_ESCAPE);
        break;
    case GuideClose::CloseBox: PostMessageA(guide, WM_SYSCOMMAND, SC_CLOSE, 0); break;
    }
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(guide); })) << "the guide must close";
    EXPECT_EQ(RectText(WindowRect(ruler)), RectText(rulerBefore)) << "a key meant for the guide moved the ruler";
    ASSERT_EQ(QuitThroughMenu(), 0u);
    EXPECT_EQ(ReadBytes(SettingsFilePath()).substr(0, 20), "ShowShortGuide = 0\r\n");
}

INSTANTIATE_TEST_SUITE_P(Ways, GuideCloseTest,
                         testing::Values(GuideClose::Ok, GuideClose::Enter, GuideClose::Escape, GuideClose::CloseBox),
                         GuideCloseName);

TEST_F(SettingsTest, HandEditedFileIsReadByItsRulesAndWrittenBackInTheProgramsForm)
{
    // Keys in any case, with or without spaces and tabs; a comment; a flag whose low byte is 0; places left of and
    // above nothing the screen shows; a width in hexadecimal and a height with a unit; a key given twice; a key
    // the program does not know.
    ASSERT_TRUE(WriteSettingsFile("; edited by hand\r\n"
                                  "\r\n"
                                  "  showshortguide=0\n"
                                  "MAINWINDOWONTOP = 256\r\n"
                                  "\tShowTooltips\t=\t0\r\n"
                                  "mainwindowposx = -20\r\n"
                                  "MainWindowPosY=40\r"
                                  "RulerWindowPosX = -40\r\n"
                                  "RulerWindowPosY = 25\r\n"
                                  "RulerWindowWidth = $1F4\r\n"
                                  "RulerWindowHeight = 30px\r\n"
                                  "RulerWindowPosX = 999\r\n"
                                  "MeasureUnit = 7\r\n"
                                  "MonitorCalibration2 = \\\\.\\DISPLAY1 3.0\r\n"
                                  "MonitorCalibration1 = \\\\.\\DISPLAY9 3,5\r\n"
                                  "Colour = 5\r\n"));
    ASSERT_TRUE(Start());
    ASSERT_TRUE(WaitUntilTakingInput());

    EXPECT_EQ(ShortGuideOf(program.processId), nullptr);
    EXPECT_FALSE(IsTopmost(main)) << "MainWindowOnTop = 256 keeps only its low byte, 0";
    EXPECT_EQ(ToolTipCount(program.processId), 0);
    EXPECT_EQ(WindowRect(main).left, -20);
    EXPECT_EQ(WindowRect(main).top, 40);
    EXPECT_EQ(RectText(WindowRect(ruler)), "(-40,25)-(460,55)");
    const struct {
        int control;
        const char* text;
    } fields[] = {{LeftEdgeTopField, "-40"},   {RightEdgeTopField, "459"}, {TopEdgeLeftField, "25"},
                  {BottomEdgeLeftField, "54"}, {RulerWidthField, "500"},   {RulerHeightField, "30"}};
    for (const auto& field : fields) {
        SCOPED_TRACE(field.control);
        EXPECT_EQ(ControlText(main, field.control), field.text);
    }
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(ruler, RulerWidthLabel))) << "a ruler under 55 pixels shows no labels";

    ASSERT_EQ(QuitThroughMenu(), 0u);
    EXPECT_EQ(ReadBytes(SettingsFilePath()), "ShowShortGuide = 0\r\nMainWindowOnTop = 0\r\nShowTooltips = 0\r\n"
                                             "MainWindowPosX = -20\r\nMainWindowPosY = 40\r\n"
                                             "RulerWindowPosX = -40\r\nRulerWindowPosY = 25\r\n"
                                             "RulerWindowWidth = 500\r\nRulerWindowHeight = 30\r\n"
                                             "MeasureUnit = 7\r\nEdgeTolerance = 0\r\n"
                                             "MonitorCalibration1 = \\\\.\\DISPLAY1 3.0000\r\n")
        << "an unknown unit is kept, as read, and a calibration without a pitch in reason is dropped";
}

// Values that would hide a window: a ruler of no size, places on a monitor that is no longer attached. The windows
// open where the user can take hold of them, and those places are what the exit saves.
TEST_F(SettingsTest, HandEditedPlacesThatWouldHideTheWindowsAreRepairedAndSavedRepaired)
{
    ASSERT_TRUE(WriteSettingsFile("ShowShortGuide = 0\r\nMainWindowPosX = 2200\r\nMainWindowPosY = 2500\r\n"
                                  "RulerWindowPosX = 2200\r\nRulerWindowPosY = 2500\r\n"
                                  "RulerWindowWidth = -100\r\nRulerWindowHeight = 0\r\n"));
    ASSERT_TRUE(Start());
    ASSERT_TRUE(WaitUntilTakingInput());
    EXPECT_EQ(RectText(WindowRect(ruler)), "(100,10)-(123,33)") << "the least size at the default place";
    EXPECT_EQ(WindowRect(main).left, 500);
    EXPECT_EQ(WindowRect(main).top, 10);
    const RECT mainFrame = WindowRect(main), rulerFrame = WindowRect(ruler);
    ASSERT_EQ(QuitThroughMenu(), 0u);
    EXPECT_EQ(ReadBytes(SettingsFilePath()), SettingsFileText(0, 1, 1, mainFrame, rulerFrame));
}

TEST_F(SettingsTest, GroupHeaderHidesTheKeysBelowItAndAByteOrderMarkIsSkipped)
{
    ASSERT_TRUE(WriteSettingsFile("\xEF\xBB\xBFRulerWindowPosX = 123\r\n"
                                  "MainWindowOnTop = 2\r\n"
                                  "[Tessaro]\r\n"
                                  "ShowShortGuide = 0\r\n"
                                  "RulerWindowPosY = 300\r\n"));
    ASSERT_TRUE(Start());
    ASSERT_TRUE(WaitUntilTakingInput());

    EXPECT_NE(ShortGuideOf(program.processId), nullptr) << "ShowShortGuide below the group header must not count";
    EXPECT_EQ(RectText(WindowRect(ruler)), "(123,10)-(423,160)");
    EXPECT_TRUE(IsTopmost(main)) << "MainWindowOnTop = 2 is on";

    ASSERT_EQ(QuitThroughMenu(), 0u);
    EXPECT_EQ(ReadBytes(SettingsFilePath()), "ShowShortGuide = 1\r\nMainWindowOnTop = 2\r\nShowTooltips = 1\r\n"
                                             "MainWindowPosX = 500\r\nMainWindowPosY = 10\r\n"
                                             "RulerWindowPosX = 123\r\nRulerWindowPosY = 10\r\n"
                                             "RulerWindowWidth = 300\r\nRulerWindowHeight = 150\r\n"
                                             "MeasureUnit = 0\r\nEdgeTolerance = 0\r\n")
        << "the flag keeps the 2 it was given; no byte-order mark, no group";
}
