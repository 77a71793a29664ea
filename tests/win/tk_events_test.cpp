#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "tk_test_support.h"

namespace {

constexpr int MainWindow = 0;
constexpr int RulerWindow = 1;

constexpr uint32_t VisibleTitled = TkTitleBar | TkSystemMenu | TkMinimiseBox;

constexpr int CmdMoveUp = 10;
constexpr int CmdGrowTop = 14;
constexpr int CmdShrinkTop = 18;
constexpr int CmdReplacement = 30;

constexpr int FirstButton = 8;
constexpr int SecondButton = 9;
constexpr int ValueField = 39;
constexpr int PlainLabel = 40;

std::vector<SeenEvent> MenuEvents(const std::vector<SeenEvent>& seen)
{
    std::vector<SeenEvent> menus;
    for (const SeenEvent& event : seen) {
        if (event.code == EventMenu)
            menus.push_back(event);
    }
    return menus;
}

// The real keyboard path: SendInput, then the toolkit's wait until the key's release has come through.
std::vector<SeenEvent> TypeKey(WORD key, bool shift = false, bool control = false)
{
    PressKey(key, shift, control);
    int releases = 1 + shift + control;
    return PumpUntil([&releases](const SeenEvent& event) { return event.code == WM_KEYUP && --releases == 0; });
}

} // namespace

using Events = ToolkitTest;

TEST_F(Events, ShortcutsArriveAsMenuEventsOfTheActiveWindow)
{
    HWND main = TkOpenWindow(MainWindow, 100, 100, 300, 200, "Tessaro", VisibleTitled);
    TkButton(FirstButton, 10, 10, 60, 24, "+");
    TkAddShortcut(MainWindow, VK_UP, CmdMoveUp);
    TkAddShortcut(MainWindow, VK_UP | TkShiftKey, CmdGrowTop);
    TkAddShortcut(MainWindow, VK_UP | TkControlKey, CmdShrinkTop);
    ASSERT_TRUE(BringToFront(main));
    SetFocus(TkControlHandle(FirstButton)); // the shortcut wins over the focused control

    struct Case {
        const char* name;
        bool shift, control;
        int id;
    } cases[] = {
        {"Up", false, false, CmdMoveUp},
        {"Shift+Up", true, false, CmdGrowTop},
        {"Ctrl+Up", false, true, CmdShrinkTop},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<SeenEvent> seen = TypeKey(VK_UP, c.shift, c.control);
        const std::vector<SeenEvent> menus = MenuEvents(seen);
        ASSERT_EQ(menus.size(), 1u) << Describe(seen);
        EXPECT_EQ(menus[0].control, c.id);
        EXPECT_EQ(menus[0].window, MainWindow);
    }
}

TEST_F(Events, AddingTheSameKeyAgainReplacesItsId)
{
    HWND main = TkOpenWindow(MainWindow, 100, 100, 300, 200, "Tessaro", VisibleTitled);
    TkAddShortcut(MainWindow, VK_UP, CmdMoveUp);
    TkAddShortcut(MainWindow, VK_UP | TkShiftKey, CmdGrowTop);
    TkAddShortcut(MainWindow, VK_UP, CmdReplacement);
    ASSERT_TRUE(BringToFront(main));

    std::vector<SeenEvent> seen = TypeKey(VK_UP);
    std::vector<SeenEvent> menus = MenuEvents(seen);
    ASSERT_EQ(menus.size(), 1u) << Describe(seen);
    EXPECT_EQ(menus[0].control, CmdReplacement);
    menus = MenuEvents(TypeKey(VK_UP, true));
    ASSERT_EQ(menus.size(), 1u);
    EXPECT_EQ(menus[0].control, CmdGrowTop) << "the other modifiers keep theirs";
}

TEST_F(Events, ShortcutsActOnlyWhileTheirWindowIsActive)
{
    TkOpenWindow(MainWindow, 100, 100, 300, 200, "Tessaro", VisibleTitled);
    TkAddShortcut(MainWindow, VK_UP, CmdMoveUp);
    HWND other = TkOpenWindow(RulerWindow, 450, 100, 200, 100, "Kurzanleitung", VisibleTitled);
    ASSERT_TRUE(BringToFront(other));
    const std::vector<SeenEvent> seen = TypeKey(VK_UP);
    EXPECT_TRUE(MenuEvents(seen).empty()) << Describe(seen);
}

TEST_F(Events, TabMovesTheFocusAndIsNeverReturned)
{
    HWND main = TkOpenWindow(MainWindow, 100, 100, 300, 200, "Tessaro", VisibleTitled);
    HWND first = TkButton(FirstButton, 10, 10, 60, 24, "+");
    TkTextControl(PlainLabel, 10, 40, 60, 16, "Links", 0);
    HWND second = TkButton(SecondButton, 10, 60, 60, 24, "-");
    ASSERT_TRUE(BringToFront(main));
    SetFocus(first);

    struct Step {
        const char* name;
        bool shift;
        HWND focusAfter;
    } steps[] = {
        {"Tab", false, second},
        {"Tab wraps", false, first},
        {"Shift+Tab", true, second},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        const std::vector<SeenEvent> seen = TypeKey(VK_TAB, step.shift);
        EXPECT_TRUE(MenuEvents(seen).empty()) << Describe(seen);
        EXPECT_EQ(GetFocus(), step.focusAfter) << "first " << first << ", second " << second << ", window " << main;
    }
}

TEST_F(Events, NotifyingTextReportsAClickAfterTheRawPress)
{
    HWND main = TkOpenWindow(MainWindow, 100, 100, 300, 200, "Tessaro", VisibleTitled);
    TkTextControl(ValueField, 20, 20, 120, 20, "51, 102, 153", TkTextNotify);
    TkTextControl(PlainLabel, 20, 60, 120, 20, "RGB:", 0);
    ASSERT_TRUE(BringToFront(main));

    std::vector<SeenEvent> seen = ClickAndPump(ClientToScreenPoint(main, 40, 30));
    const int press = IndexOfCode(seen, WM_LBUTTONDOWN);
    const int click = IndexOfCode(seen, EventControl);
    ASSERT_GE(click, 0) << Describe(seen);
    EXPECT_GE(press, 0);
    EXPECT_LT(press, click) << "queued during the press's dispatch, returned after it";
    EXPECT_EQ(seen[static_cast<size_t>(click)].control, ValueField);
    EXPECT_EQ(seen[static_cast<size_t>(click)].window, MainWindow);
    EXPECT_EQ(seen[static_cast<size_t>(click)].type, STN_CLICKED);

    seen = ClickAndPump(ClientToScreenPoint(main, 40, 70));
    EXPECT_EQ(CountCode(seen, EventControl), 0) << "a plain label does not report clicks\n" << Describe(seen);
}

TEST_F(Events, RawMessageKeepsWindowAndControlOfTheLastToolkitEvent)
{
    TkOpenWindow(MainWindow, 100, 100, 300, 200, "Tessaro", TkTitleBar | TkInvisible);
    HWND button = TkButton(FirstButton, 10, 10, 60, 24, "+");
    HWND ruler = TkOpenWindow(RulerWindow, 450, 100, 200, 100, "Lineal", TkBorderless | TkInvisible);
    DrainPostedMessages();

    SendMessageA(button, BM_CLICK, 0, 0);
    PostMessageA(ruler, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    const std::vector<SeenEvent> seen = DrainPostedMessages();
    const int click = IndexOfCode(seen, EventControl);
    const int press = IndexOfCode(seen, WM_LBUTTONDOWN, click);
    ASSERT_GE(click, 0) << Describe(seen);
    ASSERT_GT(press, click) << Describe(seen);
    EXPECT_EQ(seen[static_cast<size_t>(press)].window, MainWindow);
    EXPECT_EQ(seen[static_cast<size_t>(press)].control, FirstButton);
    EXPECT_EQ(seen[static_cast<size_t>(press)].type, -1);
    EXPECT_EQ(seen[static_cast<size_t>(click)].type, BN_CLICKED);
}

TEST_F(Events, PressThatActivatesAWindowFindsThatWindowAsEventWindow)
{
    HWND main = TkOpenWindow(MainWindow, 100, 100, 300, 200, "Tessaro", VisibleTitled);
    HWND ruler = TkOpenWindow(RulerWindow, 450, 100, 200, 100, "Lineal", TkBorderless);
    ASSERT_TRUE(BringToFront(main));
    PostMessageA(main, WM_CLOSE, 0, 0);
    std::vector<SeenEvent> seen = DrainPostedMessages();
    ASSERT_EQ(TkEventWindow(), MainWindow) << Describe(seen);

    seen = ClickAndPump(ClientToScreenPoint(ruler, 100, 50));
    const int press = IndexOfCode(seen, WM_LBUTTONDOWN);
    ASSERT_GE(press, 0) << Describe(seen);
    if (GetActiveWindow() != ruler)
        GTEST_SKIP() << "the click did not activate the window, so there was no activation to order before it";
    EXPECT_EQ(seen[static_cast<size_t>(press)].window, RulerWindow) << Describe(seen);
}

TEST_F(Events, DoubleClickOutsideControlsGivesOneEventAfterTheFirstPressAndRelease)
{
    HWND ruler = TkOpenWindow(RulerWindow, 300, 200, 200, 120, "Lineal", TkBorderless);
    TkTextControl(PlainLabel, 0, 0, 30, 12, "1", 0);
    TkButton(FirstButton, 150, 80, 40, 30, "+");
    ASSERT_TRUE(BringToFront(ruler));

    std::vector<SeenEvent> seen = ClickAndPump(ClientToScreenPoint(ruler, 100, 60), 2);

    ASSERT_EQ(CountCode(seen, EventLeftDoubleClick), 1) << Describe(seen);
    const int doubleClick = IndexOfCode(seen, EventLeftDoubleClick);
    const int firstPress = IndexOfCode(seen, WM_LBUTTONDOWN);
    const int firstRelease = IndexOfCode(seen, WM_LBUTTONUP);
    EXPECT_LT(firstPress, firstRelease);
    EXPECT_LT(firstRelease, doubleClick) << Describe(seen);
    EXPECT_EQ(seen[static_cast<size_t>(doubleClick)].window, RulerWindow);

    seen = ClickAndPump(ClientToScreenPoint(ruler, 170, 95), 2);
    EXPECT_EQ(CountCode(seen, EventLeftDoubleClick), 0) << "a double-click on a control is the control's\n"
                                                        << Describe(seen);
}

TEST_F(Events, CloseSentFromAnotherThreadEndsTheWait)
{
    HWND main = TkOpenWindow(MainWindow, 100, 100, 300, 200, "Tessaro", TkTitleBar | TkInvisible);
    DrainPostedMessages();

    std::atomic<bool> hadToWake{false};
    HANDLE waitEnded = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    const DWORD mainThread = GetCurrentThreadId();
    std::thread sender([&] {
        SendMessageA(main, WM_CLOSE, 0, 0);
        // Without the toolkit's own wake-up the wait would go on until some unrelated message came.
        if (WaitForSingleObject(waitEnded, 10000) != WAIT_OBJECT_0) {
            hadToWake = true;
            PostThreadMessageA(mainThread, WM_NULL, 0, 0);
        }
    });
    int code = 0;
    do {
        code = TkWaitEvent();
    } while (code != EventCloseWindow && !hadToWake);
    SetEvent(waitEnded);
    sender.join();
    CloseHandle(waitEnded);

    EXPECT_EQ(code, EventCloseWindow);
    EXPECT_EQ(TkEventWindow(), MainWindow);
    EXPECT_FALSE(hadToWake);
}
