#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "core/object_ids.h"
#include "tk_test_support.h"
#include "toolkit/tk_internal.h"
#include "toolkit/tk_services.h"
#include "win_test_support.h"

namespace {

constexpr uint32_t PanelFlags = TkTitleBar | TkSystemMenu | TkMinimiseBox | TkInvisible;
constexpr uint32_t ShownPanelFlags = PanelFlags & ~TkInvisible;
constexpr uint32_t RulerFlags = TkBorderless | TkInvisible;

HWND OpenPanelWithMenu(uint32_t flags, int x = 100, int y = 120, int width = 300, int height = 200)
{
    HWND handle = TkOpenWindow(MainWindow, x, y, width, height, "Tessaro", flags);
    TkCreateMenuBar(MainMenu, handle);
    TkMenuTitle("&Datei");
    TkMenuItem(MenuQuit, "&Beenden");
    TkMenuTitle("&Optionen");
    TkMenuItem(MenuAlwaysOnTop, "&Fenster immer im Vordergrund");
    return handle;
}

} // namespace

using Windows = ToolkitTest;

TEST_F(Windows, ClassIsNamedAfterTheNumberTakesDoubleClicksAndCanBeOpenedAgain)
{
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round == 0 ? "first opening" : "opened again after closing");
        HWND handle = TkOpenWindow(ShortGuideWindow, 50, 60, 200, 100, "Kurzanleitung", PanelFlags);
        ASSERT_NE(handle, nullptr);
        char name[64] = {};
        GetClassNameA(handle, name, sizeof(name));
        EXPECT_EQ(std::string(name), "WindowClass_" + std::to_string(ShortGuideWindow));
        EXPECT_TRUE(GetClassLongPtrA(handle, GCL_STYLE) & CS_DBLCLKS);
        TkCloseWindow(ShortGuideWindow);
        EXPECT_FALSE(IsWindow(handle));
    }
}

TEST_F(Windows, InnerHeightWithAMenuBarIsTheOpenedHeight)
{
    HWND panel = OpenPanelWithMenu(PanelFlags, 40, 50, 333, 247);
    RECT client;
    GetClientRect(panel, &client);
    EXPECT_EQ(client.bottom, 247 - GetSystemMetrics(SM_CYMENU)) << "the menu bar comes out of the client area";
    EXPECT_EQ(TkWindowHeight(MainWindow), 247);
    EXPECT_EQ(TkWindowWidth(MainWindow), 333);

    HWND ruler = TkOpenWindow(RulerWindow, 40, 50, 300, 150, "Lineal", RulerFlags);
    RECT frame;
    GetWindowRect(ruler, &frame);
    EXPECT_EQ(frame.bottom - frame.top, 150) << "without frame the outer size is the inner size";
    EXPECT_EQ(TkWindowHeight(RulerWindow), 150);
}

TEST_F(Windows, ResizeWithKeepValuesChangesOnlyTheGivenValues)
{
    OpenPanelWithMenu(PanelFlags);
    struct Case {
        const char* name;
        int x, y, width, height;
        int expectX, expectY, expectWidth, expectHeight;
    } cases[] = {
        {"all kept", TkKeep, TkKeep, TkKeep, TkKeep, 100, 120, 300, 200},
        {"only the place", 150, 90, TkKeep, TkKeep, 150, 90, 300, 200},
        {"only the height", TkKeep, TkKeep, TkKeep, 190, 150, 90, 300, 190},
        {"only the width", TkKeep, TkKeep, 310, TkKeep, 150, 90, 310, 190},
        {"only x", 60, TkKeep, TkKeep, TkKeep, 60, 90, 310, 190},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TkResizeWindow(MainWindow, c.x, c.y, c.width, c.height);
        EXPECT_EQ(TkWindowX(MainWindow), c.expectX);
        EXPECT_EQ(TkWindowY(MainWindow), c.expectY);
        EXPECT_EQ(TkWindowWidth(MainWindow), c.expectWidth);
        EXPECT_EQ(TkWindowHeight(MainWindow), c.expectHeight);
    }
}

TEST_F(Windows, MousePositionIsMinusOneTogetherOutsideTheClientArea)
{
    HWND handle = TkOpenWindow(RulerWindow, 200, 150, 120, 90, "Lineal", TkBorderless);
    POINT origin{0, 0};
    ClientToScreen(handle, &origin);
    struct Case {
        const char* name;
        int dx, dy, expectX, expectY;
    } cases[] = {
        {"left edge", 0, 0, 0, 0},
        {"bottom-right pixel", 119, 89, 119, 89},
        {"one pixel right of the client area", 120, 10, -1, -1},
        {"one pixel below", 10, 90, -1, -1},
        {"one pixel left", -1, 10, -1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(SetCursorPos(origin.x + c.dx, origin.y + c.dy));
        EXPECT_EQ(TkWindowMouseX(RulerWindow), c.expectX);
        EXPECT_EQ(TkWindowMouseY(RulerWindow), c.expectY);
    }
}

TEST_F(Windows, MenuItemChosenWithItsMnemonicArrivesAsMenuEvent)
{
    HWND panel = OpenPanelWithMenu(ShownPanelFlags);
    ASSERT_TRUE(BringToFront(panel, DrainPosted));
    SendKeys({VK_MENU, 'O', 'F'});
    const Seen seen = PumpUntil([](const SeenEvent& e) { return e.code == EventMenu; });
    ASSERT_EQ(seen.back().code, EventMenu) << Describe(seen);
    EXPECT_EQ(seen.back().control, MenuAlwaysOnTop);
    EXPECT_EQ(seen.back().window, MainWindow);

    TkSetMenuItemMark(MainMenu, MenuAlwaysOnTop, 1);
    EXPECT_EQ(TkMenuItemMark(MainMenu, MenuAlwaysOnTop), 1) << "items are found inside the drop-downs";
    EXPECT_EQ(TkMenuItemMark(MainMenu, MenuQuit), 0);
}

namespace {

int gCalls = 0;
HWND gLastHandle = nullptr;
LRESULT gCloseAnswer = CallbackDefault;

LRESULT CountingCallback(HWND window, UINT message, WPARAM, LPARAM)
{
    if (message != WM_CLOSE && message != WM_APP + 7)
        return CallbackDefault;
    ++gCalls;
    gLastHandle = window;
    return message == WM_CLOSE ? gCloseAnswer : 0x5150;
}

} // namespace

TEST_F(Windows, CallbackAnswerOtherThanDefaultEndsTheHandlingAlsoForContainers)
{
    HWND handle = TkOpenWindow(ShortGuideWindow, 10, 10, 200, 100, "Kurzanleitung", PanelFlags);
    HWND container = TkContainer(MagnifierPeephole, 1, 1, 50, 50, 0);
    TkEndContainer();
    TkSetWindowCallback(CountingCallback, ShortGuideWindow);
    DrainPosted();
    struct Case {
        const char* name;
        LRESULT answer;
        int closeEvents;
    } cases[] = {{"answered by the callback", 0, 0}, {"left to the toolkit", CallbackDefault, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        gCloseAnswer = c.answer;
        gCalls = 0;
        PostMessageA(handle, WM_CLOSE, 0, 0);
        const Seen seen = DrainPosted();
        EXPECT_EQ(gCalls, 1);
        EXPECT_EQ(CountCode(seen, EventCloseWindow), c.closeEvents) << Describe(seen);
        if (c.closeEvents) {
            EXPECT_EQ(Find(seen, EventCloseWindow).window, ShortGuideWindow);
        }
        EXPECT_TRUE(IsWindow(handle)) << "a close request leaves the window open";
    }

    EXPECT_EQ(SendMessageA(container, WM_APP + 7, 0, 0), 0x5150) << "the callback's answer is the result";
    EXPECT_EQ(gLastHandle, container);
}

TEST_F(Windows, RestoredIsReportedOnlyAfterMinimisedOrMaximised)
{
    TkOpenWindow(MainWindow, 10, 10, 200, 100, "Tessaro", ShownPanelFlags);
    DrainPosted();
    struct Step {
        const char* name;
        int state; // -1: a plain size change
        int expectedEvent;
        int restoredEvents;
    } steps[] = {
        {"plain size change", -1, EventSizeWindow, 0}, {"minimise", TkStateMinimised, EventMinimized, 0},
        {"restore", TkStateNormal, EventRestored, 1},  {"maximise", TkStateMaximised, EventSizeWindow, 0},
        {"restore", TkStateNormal, EventRestored, 1},  {"size change after", -1, EventSizeWindow, 0},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        if (step.state == -1)
            TkResizeWindow(MainWindow, TkKeep, TkKeep, TkWindowWidth(MainWindow) + 10, TkKeep);
        else
            TkSetWindowState(MainWindow, step.state);
        const Seen seen = DrainPosted();
        EXPECT_EQ(Find(seen, step.expectedEvent).window, MainWindow);
        EXPECT_EQ(CountCode(seen, EventRestored), step.restoredEvents) << Describe(seen);
        if (step.state != -1) {
            EXPECT_EQ(TkGetWindowState(MainWindow), step.state);
        }
    }
}

namespace {

struct BoxObservation {
    HWND owner = nullptr;
    bool panelDisabled = false, rulerDisabled = false, rulerTopmost = true, hiddenDisabled = false;
};
BoxObservation gBox;

void CALLBACK ObserveAndAnswerBox(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND box = FindThreadWindowOfClass("#32770");
    if (!box || !IsWindowVisible(box))
        return;
    KillTimer(nullptr, timer);
    gBox.owner = GetWindow(box, GW_OWNER);
    gBox.panelDisabled = !IsWindowEnabled(TkWindowHandle(MainWindow));
    gBox.rulerDisabled = !IsWindowEnabled(TkWindowHandle(RulerWindow));
    gBox.rulerTopmost = (GetWindowLongPtrA(TkWindowHandle(RulerWindow), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    gBox.hiddenDisabled = !IsWindowEnabled(TkWindowHandle(ShortGuideWindow));
    PostMessageA(box, WM_COMMAND, IDNO, 0);
}

} // namespace

TEST_F(Windows, MessageBoxSetsTheOtherWindowsAsideWhileOpenAndRestoresThem)
{
    HWND panel = TkOpenWindow(MainWindow, 10, 10, 200, 100, "Tessaro", ShownPanelFlags);
    HWND ruler = TkOpenWindow(RulerWindow, 300, 10, 100, 60, "Lineal", TkBorderless);
    HWND hidden = TkOpenWindow(ShortGuideWindow, 10, 300, 100, 60, "Kurzanleitung", PanelFlags);
    TkSetWindowTopmost(RulerWindow, 1);
    ASSERT_TRUE(BringToFront(panel, DrainPosted));

    gBox = {};
    SetTimer(nullptr, 0, 20, ObserveAndAnswerBox);
    EXPECT_EQ(TkMessageBox("Tessaro", "Frage?", MB_YESNO), IDNO);

    EXPECT_EQ(gBox.owner, panel) << "the foreground window of this process owns the box";
    EXPECT_TRUE(gBox.panelDisabled);
    EXPECT_TRUE(gBox.rulerDisabled);
    EXPECT_FALSE(gBox.rulerTopmost);
    EXPECT_FALSE(gBox.hiddenDisabled) << "a hidden window is left alone";
    for (HWND window : {panel, ruler, hidden})
        EXPECT_TRUE(IsWindowEnabled(window));
    EXPECT_TRUE(GetWindowLongPtrA(ruler, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(Windows, ShutdownSavesAnOpenSettingsFileAndDestroysEverything)
{
    const std::string path = MakeTestFolder() + "Tessaro.prefs";
    HWND window = TkOpenWindow(MainWindow, 10, 10, 200, 100, "Tessaro", PanelFlags);
    TkButton(GrowTopButton, 1, 1, 20, 20, "+");
    TkSetToolTip(GrowTopButton, "Lineal oben vergr\xF6\xDF"
                                "ern");
    HWND toolTip = FindThreadWindowOfClass("tooltips_class32");
    HWND messageWindow = TkSharedState().messageWindow;
    ASSERT_NE(TkSetClipboardText("51, 102, 153"), 0);
    EXPECT_EQ(GetClipboardOwner(), messageWindow) << "the hidden window owns the clipboard";
    ASSERT_NE(TkCreatePreferences(path), 0);
    TkWritePreference("ShowTooltips", "1");

    TkShutdown();
    for (HWND gone : {window, toolTip, messageWindow})
        EXPECT_FALSE(IsWindow(gone));
    EXPECT_EQ(TkSharedState().messageWindow, nullptr) << "the clipboard must not be given a dead owner";
    EXPECT_EQ(TkWindowExists(MainWindow), 0);
    EXPECT_EQ(TkControlHandle(GrowTopButton), nullptr);
    EXPECT_NE(TkOpenPreferences(path), 0) << "the shutdown saved the settings file";
    EXPECT_EQ(TkReadPreference("ShowTooltips", "0"), "1");
    TkClosePreferences();
    TkStartup("Tessaro"); // for TearDown
}
