#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tk_test_support.h"
#include "toolkit/tk_internal.h"
#include "toolkit/tk_services.h"
#include "win_test_support.h"

namespace {

constexpr int PanelWindow = 0;
constexpr int RulerLikeWindow = 1;
constexpr int GuideWindow = 3;
constexpr int UnusedWindow = 42;

constexpr uint32_t PanelFlags = TkTitleBar | TkSystemMenu | TkMinimiseBox | TkInvisible;
constexpr uint32_t RulerFlags = TkBorderless | TkInvisible;
constexpr uint32_t GuideFlags = TkTitleBar | TkSystemMenu | TkCentred;

constexpr int MenuBarNumber = 0;
constexpr int QuitItem = 1;
constexpr int OnTopItem = 2;
constexpr int AboutItem = 9;

void BuildMenuBar(HWND window)
{
    ASSERT_NE(TkCreateMenuBar(MenuBarNumber, window), 0);
    TkMenuTitle("&Datei");
    TkMenuItem(QuitItem, "&Beenden");
    TkMenuTitle("&Optionen");
    TkMenuItem(OnTopItem, "&Fenster immer im Vordergrund");
    TkMenuSeparator();
    TkMenuTitle("&Hilfe");
    TkMenuItem(AboutItem, "&\xDC"
                          "ber ...");
}

LONG_PTR Style(HWND window)
{
    return GetWindowLongPtrA(window, GWL_STYLE);
}

} // namespace

using Windows = ToolkitTest;

TEST_F(Windows, ClassIsNamedAfterTheNumberTakesDoubleClicksAndCanBeOpenedAgain)
{
    for (int window : {PanelWindow, GuideWindow, 17}) {
        SCOPED_TRACE(window);
        for (int round = 0; round < 2; ++round) {
            SCOPED_TRACE(round == 0 ? "first opening" : "opened again after closing");
            HWND handle = TkOpenWindow(window, 50, 60, 200, 100, "Probe", PanelFlags);
            ASSERT_NE(handle, nullptr);
            char name[64] = {};
            GetClassNameA(handle, name, sizeof(name));
            EXPECT_EQ(std::string(name), "WindowClass_" + std::to_string(window));
            EXPECT_TRUE(GetClassLongPtrA(handle, GCL_STYLE) & CS_DBLCLKS);
            EXPECT_EQ(TkWindowHandle(window), handle);
            TkCloseWindow(window);
            EXPECT_FALSE(IsWindow(handle));
            EXPECT_EQ(TkWindowExists(window), 0);
        }
    }
}

TEST_F(Windows, InnerSizeIsTheOpenedSizeAlsoWithAMenuBar)
{
    struct Case {
        const char* name;
        uint32_t flags;
        bool menuBar;
    } cases[] = {
        {"main window with menu bar", PanelFlags, true},
        {"borderless ruler", RulerFlags, false},
        {"titled guide", GuideFlags, false},
        {"no style bit at all", 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HWND handle = TkOpenWindow(PanelWindow, 40, 50, 333, 247, "Tessaro", c.flags);
        ASSERT_NE(handle, nullptr);
        if (c.menuBar)
            BuildMenuBar(handle);
        EXPECT_EQ(TkWindowWidth(PanelWindow), 333);
        EXPECT_EQ(TkWindowHeight(PanelWindow), 247);
        RECT client;
        GetClientRect(handle, &client);
        if (c.menuBar) {
            EXPECT_EQ(client.bottom, 247 - GetSystemMetrics(SM_CYMENU))
                << "the menu bar takes its height from the client area";
        }
        TkCloseWindow(PanelWindow);
    }
}

TEST_F(Windows, FlagsGiveFrameVisibilityAndCentring)
{
    HWND titled = TkOpenWindow(PanelWindow, 10, 10, 100, 80, "a", 0);
    EXPECT_EQ(Style(titled) & WS_CAPTION, WS_CAPTION) << "a title bar is added when no style bit is given";
    EXPECT_TRUE(IsWindowVisible(titled));

    HWND ruler = TkOpenWindow(RulerLikeWindow, 10, 10, 100, 80, "b", RulerFlags);
    EXPECT_TRUE(Style(ruler) & WS_POPUP);
    EXPECT_EQ(Style(ruler) & WS_CAPTION, 0);
    EXPECT_FALSE(IsWindowVisible(ruler));
    RECT frame;
    GetWindowRect(ruler, &frame);
    EXPECT_EQ(frame.right - frame.left, 100) << "a borderless window's outer size is its inner size";

    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    struct Case {
        int width, height;
    } cases[] = {{301, 201}, {screenWidth + 50, 100}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.width);
        HWND guide = TkOpenWindow(GuideWindow, 0, 0, c.width, c.height, "Kurzanleitung", GuideFlags);
        ASSERT_NE(guide, nullptr);
        EXPECT_TRUE(IsWindowVisible(guide));
        GetWindowRect(guide, &frame);
        const int outerWidth = frame.right - frame.left;
        const int outerHeight = frame.bottom - frame.top;
        EXPECT_EQ(frame.left, (screenWidth - std::min(screenWidth, outerWidth)) / 2);
        EXPECT_EQ(frame.top, (screenHeight - std::min(screenHeight, outerHeight)) / 2);
    }
}

TEST_F(Windows, ResizeWithKeepValuesChangesOnlyTheGivenValues)
{
    HWND handle = TkOpenWindow(PanelWindow, 100, 120, 300, 200, "Tessaro", PanelFlags);
    ASSERT_NE(handle, nullptr);
    BuildMenuBar(handle);
    struct Case {
        const char* name;
        int x, y, width, height;
        int expectX, expectY, expectWidth, expectHeight;
    } cases[] = {
        {"all kept", TkKeep, TkKeep, TkKeep, TkKeep, 100, 120, 300, 200},
        {"only the place", 150, 90, TkKeep, TkKeep, 150, 90, 300, 200},
        {"only the size", TkKeep, TkKeep, 320, 210, 150, 90, 320, 210},
        {"only the height", TkKeep, TkKeep, TkKeep, 190, 150, 90, 320, 190},
        {"only the width", TkKeep, TkKeep, 310, TkKeep, 150, 90, 310, 190},
        {"only x", 60, TkKeep, TkKeep, TkKeep, 60, 90, 310, 190},
        {"all kept again", TkKeep, TkKeep, TkKeep, TkKeep, 60, 90, 310, 190},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TkResizeWindow(PanelWindow, c.x, c.y, c.width, c.height);
        EXPECT_EQ(TkWindowX(PanelWindow), c.expectX);
        EXPECT_EQ(TkWindowY(PanelWindow), c.expectY);
        EXPECT_EQ(TkWindowWidth(PanelWindow), c.expectWidth);
        EXPECT_EQ(TkWindowHeight(PanelWindow), c.expectHeight);
    }
}

TEST_F(Windows, MousePositionIsMinusOneTogetherOutsideTheClientArea)
{
    HWND handle = TkOpenWindow(RulerLikeWindow, 200, 150, 120, 90, "Lineal", TkBorderless);
    ASSERT_NE(handle, nullptr);
    const POINT origin = ClientToScreenPoint(handle, 0, 0);
    struct Case {
        const char* name;
        int dx, dy;
        int expectX, expectY;
    } cases[] = {
        {"top-left pixel", 0, 0, 0, 0},
        {"bottom-right pixel", 119, 89, 119, 89},
        {"one pixel right of the client area", 120, 10, -1, -1},
        {"one pixel below", 10, 90, -1, -1},
        {"one pixel left", -1, 10, -1, -1},
        {"one pixel above", 10, -1, -1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(SetCursorPos(origin.x + c.dx, origin.y + c.dy));
        EXPECT_EQ(TkWindowMouseX(RulerLikeWindow), c.expectX);
        EXPECT_EQ(TkWindowMouseY(RulerLikeWindow), c.expectY);
    }
    EXPECT_EQ(TkWindowMouseX(UnusedWindow), -1);
    EXPECT_EQ(TkWindowMouseY(UnusedWindow), -1);
}

TEST_F(Windows, OperationsOnUnusedNumbersDoNothing)
{
    TkResizeWindow(UnusedWindow, 1, 2, 3, 4);
    TkSetWindowColor(UnusedWindow, 0x123456);
    TkSetWindowTopmost(UnusedWindow, 1);
    TkHideWindow(UnusedWindow, 1);
    TkSetWindowState(UnusedWindow, TkStateMinimised);
    TkAddShortcut(UnusedWindow, VK_UP, 10);
    TkCloseWindow(UnusedWindow);
    EXPECT_EQ(TkWindowExists(UnusedWindow), 0);
    EXPECT_EQ(TkWindowHandle(UnusedWindow), nullptr);
    EXPECT_EQ(TkWindowX(UnusedWindow), 0);
    EXPECT_EQ(TkWindowWidth(UnusedWindow), 0);
    EXPECT_EQ(TkWindowHeight(UnusedWindow), 0);
    EXPECT_EQ(TkGetWindowState(UnusedWindow), 0);
    EXPECT_EQ(TkGetWindowTitle(UnusedWindow), "");
    EXPECT_EQ(TkMenuItemMark(MenuBarNumber, QuitItem), 0);
    EXPECT_EQ(TkTextControl(5, 0, 0, 10, 10, "no window is open", 0), nullptr);
}

TEST_F(Windows, TitleComesBackByteExact)
{
    const std::string title = "Lineal \xB0 \xDC"
                              "ber - Tessaro";
    TkOpenWindow(PanelWindow, 10, 10, 100, 50, title, PanelFlags);
    EXPECT_EQ(TkGetWindowTitle(PanelWindow), title);
}

TEST_F(Windows, MenuMarkIsFoundInsideTheDropDowns)
{
    HWND handle = TkOpenWindow(PanelWindow, 10, 10, 200, 100, "Tessaro", PanelFlags);
    BuildMenuBar(handle);
    EXPECT_EQ(TkMenuItemMark(MenuBarNumber, OnTopItem), 0);
    TkSetMenuItemMark(MenuBarNumber, OnTopItem, 1);
    EXPECT_EQ(TkMenuItemMark(MenuBarNumber, OnTopItem), 1);
    EXPECT_EQ(TkMenuItemMark(MenuBarNumber, QuitItem), 0) << "only the named item is marked";
    TkSetMenuItemMark(MenuBarNumber, OnTopItem, 0);
    EXPECT_EQ(TkMenuItemMark(MenuBarNumber, OnTopItem), 0);
}

TEST_F(Windows, MenuItemChosenWithItsMnemonicArrivesAsMenuEvent)
{
    HWND handle = TkOpenWindow(PanelWindow, 10, 10, 300, 100, "Tessaro", PanelFlags & ~TkInvisible);
    BuildMenuBar(handle);
    ASSERT_TRUE(BringToFront(handle));
    TypeKeys({VK_MENU, 'O', 'F'});
    const std::vector<SeenEvent> seen = PumpUntilCode(EventMenu);
    ASSERT_EQ(seen.back().code, EventMenu) << Describe(seen);
    EXPECT_EQ(seen.back().control, OnTopItem);
    EXPECT_EQ(seen.back().window, PanelWindow);
}

TEST_F(Windows, ClipboardIsOwnedByTheMessageWindowWhileTheToolkitRuns)
{
    ASSERT_NE(TkSetClipboardText("51, 102, 153"), 0);
    EXPECT_EQ(GetClipboardOwner(), TkSharedState().messageWindow);
    EXPECT_NE(GetClipboardOwner(), nullptr);
}

TEST_F(Windows, TopmostCanBeSwitchedOnAndOffWithoutMoving)
{
    HWND handle = TkOpenWindow(PanelWindow, 70, 80, 200, 100, "Tessaro", PanelFlags & ~TkInvisible);
    for (int on : {1, 0, 1}) {
        SCOPED_TRACE(on);
        TkSetWindowTopmost(PanelWindow, on);
        EXPECT_EQ((GetWindowLongPtrA(handle, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, on == 1);
        EXPECT_EQ(TkWindowX(PanelWindow), 70);
        EXPECT_EQ(TkWindowY(PanelWindow), 80);
    }
}

TEST_F(Windows, CloseRequestIsAnEventAndTheWindowStaysOpen)
{
    HWND handle = TkOpenWindow(GuideWindow, 10, 10, 200, 100, "Kurzanleitung", GuideFlags);
    DrainPostedMessages();
    PostMessageA(handle, WM_CLOSE, 0, 0);
    const std::vector<SeenEvent> seen = DrainPostedMessages();
    ASSERT_EQ(CountCode(seen, EventCloseWindow), 1) << Describe(seen);
    EXPECT_EQ(seen[static_cast<size_t>(IndexOfCode(seen, EventCloseWindow))].window, GuideWindow);
    EXPECT_TRUE(IsWindow(handle));
    EXPECT_NE(TkWindowExists(GuideWindow), 0);
}

TEST_F(Windows, RestoredIsReportedOnlyAfterMinimisedOrMaximised)
{
    HWND handle = TkOpenWindow(PanelWindow, 10, 10, 200, 100, "Tessaro", PanelFlags & ~TkInvisible);
    ASSERT_NE(handle, nullptr);
    DrainPostedMessages();

    TkResizeWindow(PanelWindow, TkKeep, TkKeep, 220, 110);
    std::vector<SeenEvent> seen = DrainPostedMessages();
    EXPECT_EQ(CountCode(seen, EventRestored), 0) << "a plain size change is no restore\n" << Describe(seen);

    struct Step {
        int state;
        int expectedEvent;
    } steps[] = {
        {TkStateMinimised, EventMinimized},
        {TkStateNormal, EventRestored},
        {TkStateMaximised, EventSizeWindow},
        {TkStateNormal, EventRestored},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.state);
        TkSetWindowState(PanelWindow, step.state);
        seen = DrainPostedMessages();
        EXPECT_EQ(TkGetWindowState(PanelWindow), step.state);
        const int at = IndexOfCode(seen, step.expectedEvent);
        ASSERT_GE(at, 0) << Describe(seen);
        EXPECT_EQ(seen[static_cast<size_t>(at)].window, PanelWindow);
        if (step.expectedEvent != EventRestored) {
            EXPECT_EQ(CountCode(seen, EventRestored), 0) << Describe(seen);
        }
    }

    TkResizeWindow(PanelWindow, TkKeep, TkKeep, 200, 100);
    seen = DrainPostedMessages();
    EXPECT_EQ(CountCode(seen, EventRestored), 0) << "the restore was reported already\n" << Describe(seen);
}

namespace {

int gCallbackCalls = 0;
HWND gCallbackLastHandle = nullptr;
LRESULT gCloseAnswer = CallbackDefault;

LRESULT SwallowingCallback(HWND window, UINT message, WPARAM, LPARAM)
{
    if (message == WM_CLOSE || message == WM_APP + 7) {
        ++gCallbackCalls;
        gCallbackLastHandle = window;
        return message == WM_CLOSE ? gCloseAnswer : 0x5150;
    }
    return CallbackDefault;
}

} // namespace

TEST_F(Windows, CallbackResultOtherThanDefaultEndsTheHandling)
{
    HWND handle = TkOpenWindow(PanelWindow, 10, 10, 200, 100, "Tessaro", PanelFlags);
    TkSetWindowCallback(SwallowingCallback, PanelWindow);
    DrainPostedMessages();
    struct Case {
        const char* name;
        LRESULT answer;
        int closeEvents;
    } cases[] = {{"answered by the callback", 0, 0}, {"left to the toolkit", CallbackDefault, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        gCloseAnswer = c.answer;
        gCallbackCalls = 0;
        PostMessageA(handle, WM_CLOSE, 0, 0);
        const std::vector<SeenEvent> seen = DrainPostedMessages();
        EXPECT_EQ(gCallbackCalls, 1);
        EXPECT_EQ(CountCode(seen, EventCloseWindow), c.closeEvents) << Describe(seen);
    }
}

TEST_F(Windows, ContainerMessagesReachTheWindowsCallback)
{
    TkOpenWindow(PanelWindow, 10, 10, 200, 100, "Tessaro", PanelFlags);
    constexpr int Box = 66;
    HWND container = TkContainer(Box, 1, 1, 50, 50, 0);
    TkEndContainer();
    ASSERT_NE(container, nullptr);
    TkSetWindowCallback(SwallowingCallback, PanelWindow);
    gCallbackCalls = 0;
    EXPECT_EQ(SendMessageA(container, WM_APP + 7, 0, 0), 0x5150) << "the callback's answer is the message's result";
    EXPECT_EQ(gCallbackCalls, 1);
    EXPECT_EQ(gCallbackLastHandle, container);
}

namespace {

struct BoxObservation {
    bool seen = false;
    bool ownerDisabled = false;
    bool otherDisabled = false;
    bool otherTopmost = true;
    bool hiddenTouched = false;
};
BoxObservation gBox;
HWND gOwner = nullptr;
HWND gOther = nullptr;
HWND gHidden = nullptr;

BOOL CALLBACK FindMessageBox(HWND window, LPARAM found)
{
    char name[32] = {};
    GetClassNameA(window, name, sizeof(name));
    if (std::string(name) == "#32770" && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK ObserveAndAnswerBox(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindMessageBox, reinterpret_cast<LPARAM>(&box));
    if (!box)
        return;
    KillTimer(nullptr, timer);
    gBox.seen = true;
    gBox.ownerDisabled = !IsWindowEnabled(gOwner);
    gBox.otherDisabled = !IsWindowEnabled(gOther);
    gBox.otherTopmost = (GetWindowLongPtrA(gOther, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    gBox.hiddenTouched = !IsWindowEnabled(gHidden);
    PostMessageA(box, WM_COMMAND, IDNO, 0);
}

} // namespace

TEST_F(Windows, MessageBoxSetsOtherWindowsAsideWhileOpenAndRestoresThem)
{
    gOwner = TkOpenWindow(PanelWindow, 10, 10, 200, 100, "Tessaro", PanelFlags & ~TkInvisible);
    gOther = TkOpenWindow(RulerLikeWindow, 300, 10, 100, 60, "Lineal", TkBorderless);
    gHidden = TkOpenWindow(GuideWindow, 10, 300, 100, 60, "Kurzanleitung", GuideFlags | TkInvisible);
    TkSetWindowTopmost(RulerLikeWindow, 1);
    ASSERT_TRUE(BringToFront(gOwner));

    gBox = {};
    SetTimer(nullptr, 0, 20, ObserveAndAnswerBox);
    const int answer = TkMessageBox("Tessaro", "Frage?", MB_YESNO);

    EXPECT_EQ(answer, IDNO);
    ASSERT_TRUE(gBox.seen);
    EXPECT_TRUE(gBox.ownerDisabled);
    EXPECT_TRUE(gBox.otherDisabled);
    EXPECT_FALSE(gBox.otherTopmost);
    EXPECT_FALSE(gBox.hiddenTouched) << "a hidden window is left alone";

    EXPECT_TRUE(IsWindowEnabled(gOwner));
    EXPECT_TRUE(IsWindowEnabled(gOther));
    EXPECT_TRUE(IsWindowEnabled(gHidden));
    EXPECT_TRUE(GetWindowLongPtrA(gOther, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(Windows, MessageBoxOwnerIsTheForegroundWindowOfThisProcess)
{
    HWND owner = TkOpenWindow(PanelWindow, 10, 10, 200, 100, "Tessaro", PanelFlags & ~TkInvisible);
    ASSERT_TRUE(BringToFront(owner));
    struct Seen {
        HWND owner = nullptr;
    };
    static Seen seen;
    seen = {};
    SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR timer, DWORD) {
        HWND box = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), FindMessageBox, reinterpret_cast<LPARAM>(&box));
        if (!box)
            return;
        KillTimer(nullptr, timer);
        seen.owner = GetWindow(box, GW_OWNER);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(TkMessageBox("Tessaro", "Tessaro\r\n\r\nVersion 1.17\r\n\r\n", MB_SYSTEMMODAL), IDOK);
    EXPECT_EQ(seen.owner, owner);
}

TEST_F(Windows, ShutdownSavesAnOpenSettingsFileAndDestroysEverything)
{
    constexpr int GrowButton = 8;
    const std::string path = MakeTestFolder() + "Tessaro.prefs";
    HWND window = TkOpenWindow(PanelWindow, 10, 10, 200, 100, "Tessaro", PanelFlags);
    HWND control = TkButton(GrowButton, 1, 1, 20, 20, "+");
    TkSetToolTip(GrowButton, "Lineal oben vergr\xF6\xDF"
                             "ern");
    HWND toolTip = FindThreadWindowOfClass("tooltips_class32");
    ASSERT_NE(toolTip, nullptr);
    HWND messageWindow = TkSharedState().messageWindow;
    ASSERT_TRUE(IsWindow(messageWindow));
    ASSERT_NE(TkCreatePreferences(path), 0);
    TkWritePreference("ShowTooltips", "1");

    TkShutdown();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(IsWindow(control));
    EXPECT_FALSE(IsWindow(toolTip));
    EXPECT_FALSE(IsWindow(messageWindow));
    EXPECT_EQ(TkSharedState().messageWindow, nullptr) << "the clipboard must not be given a dead owner";
    EXPECT_EQ(TkWindowExists(PanelWindow), 0);
    EXPECT_EQ(TkControlHandle(GrowButton), nullptr);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << "the settings file was saved by the shutdown";
    char bytes[64] = {};
    DWORD read = 0;
    ReadFile(file, bytes, sizeof(bytes) - 1, &read, nullptr);
    CloseHandle(file);
    EXPECT_EQ(std::string(bytes, read), "ShowTooltips = 1\r\n");
    TkStartup(); // for TearDown
}
