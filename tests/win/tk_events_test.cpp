#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "core/object_ids.h"
#include "tk_test_support.h"

namespace {

constexpr uint32_t ShownTitled = TkTitleBar | TkSystemMenu | TkMinimiseBox;

// A command of the tests' own, beside the program's.
constexpr int CmdReplacement = 30;

std::vector<int> MenuIds(const Seen& seen)
{
    std::vector<int> ids;
    for (const SeenEvent& e : seen) {
        if (e.code == EventMenu)
            ids.push_back(e.control);
    }
    return ids;
}

} // namespace

using Events = ToolkitTest;

TEST_F(Events, ShortcutsOfTheActiveWindowArriveAsMenuEventsAndAddingAgainReplacesTheId)
{
    HWND main = TkOpenWindow(MainWindow, 100, 100, 300, 200, "Tessaro", ShownTitled);
    HWND button = TkButton(GrowTopButton, 10, 10, 60, 24, "+");
    TkAddShortcut(MainWindow, VK_UP, CmdMoveUp);
    TkAddShortcut(MainWindow, VK_UP | TkShiftKey, CmdGrowTop);
    TkAddShortcut(MainWindow, VK_UP | TkControlKey, CmdShrinkTop);
    TkAddShortcut(MainWindow, VK_UP, CmdReplacement);
    HWND other = TkOpenWindow(RulerWindow, 450, 100, 200, 100, "Lineal", ShownTitled);
    ASSERT_TRUE(BringToFront(main, DrainPosted));
    SetFocus(button); // the shortcut wins over the focused control

    using Ids = std::vector<int>;
    EXPECT_EQ(MenuIds(TypeAndPump({VK_UP})), Ids{CmdReplacement});
    EXPECT_EQ(MenuIds(TypeAndPump({VK_SHIFT, VK_UP})), Ids{CmdGrowTop});
    EXPECT_EQ(MenuIds(TypeAndPump({VK_CONTROL, VK_UP})), Ids{CmdShrinkTop});
    const Seen seen = TypeAndPump({VK_UP});
    EXPECT_EQ(Find(seen, EventMenu).window, MainWindow);

    ASSERT_TRUE(BringToFront(other, DrainPosted));
    EXPECT_EQ(MenuIds(TypeAndPump({VK_UP})), Ids{}) << "another window is active";
}

TEST_F(Events, TabMovesTheFocusAndIsNeverReturned)
{
    HWND main = TkOpenWindow(MainWindow, 100, 100, 300, 200, "Tessaro", ShownTitled);
    HWND first = TkButton(GrowTopButton, 10, 10, 60, 24, "+");
    TkTextControl(RgbCaption, 10, 40, 60, 16, "Links", 0);
    HWND second = TkButton(ShrinkTopButton, 10, 60, 60, 24, "-");
    ASSERT_TRUE(BringToFront(main, DrainPosted));
    SetFocus(first);
    struct Step {
        const char* name;
        bool shift;
        HWND focusAfter;
    } steps[] = {{"Tab", false, second}, {"Tab wraps round", false, first}, {"Shift+Tab", true, second}};
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        const Seen seen = step.shift ? TypeAndPump({VK_SHIFT, VK_TAB}) : TypeAndPump({VK_TAB});
        EXPECT_EQ(CountCode(seen, EventMenu), 0) << Describe(seen);
        EXPECT_EQ(GetFocus(), step.focusAfter);
    }
}

TEST_F(Events, NotifyingTextReportsAClickAfterTheRawPressAndPlainTextDoesNot)
{
    HWND main = TkOpenWindow(MainWindow, 100, 100, 300, 200, "Tessaro", ShownTitled);
    TkTextControl(RgbValueField, 20, 20, 120, 20, "51, 102, 153", TkTextNotify);
    TkTextControl(RgbCaption, 20, 60, 120, 20, "RGB:", 0);
    ASSERT_TRUE(BringToFront(main, DrainPosted));

    Seen seen = ClickAndPump(main, 40, 30);
    const size_t press = IndexOf(seen, WM_LBUTTONDOWN);
    const SeenEvent& click = Find(seen, EventControl, press);
    EXPECT_EQ(click.control, RgbValueField);
    EXPECT_EQ(click.window, MainWindow);
    EXPECT_EQ(click.type, STN_CLICKED);

    seen = ClickAndPump(main, 40, 70);
    EXPECT_EQ(CountCode(seen, EventControl), 0) << Describe(seen);
}

TEST_F(Events, RawMessageKeepsWindowAndControlOfTheLastToolkitEvent)
{
    TkOpenWindow(MainWindow, 100, 100, 300, 200, "Tessaro", TkTitleBar | TkInvisible);
    HWND button = TkButton(GrowTopButton, 10, 10, 60, 24, "+");
    HWND ruler = TkOpenWindow(RulerWindow, 450, 100, 200, 100, "Lineal", TkBorderless | TkInvisible);
    DrainPosted();

    SendMessageA(button, BM_CLICK, 0, 0);
    PostMessageA(ruler, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    const Seen seen = DrainPosted();
    const size_t click = IndexOf(seen, EventControl);
    EXPECT_EQ(Find(seen, EventControl).type, BN_CLICKED);
    const SeenEvent& press = Find(seen, WM_LBUTTONDOWN, click);
    EXPECT_EQ(press.window, MainWindow);
    EXPECT_EQ(press.control, GrowTopButton);
    EXPECT_EQ(press.type, -1);
}

// Every top-level window is told of a display change, the moved one of a change of scale too: the program must hear
// of it once, and a press after it must still find the window and control of the last toolkit event (a press on the
// ruler starts a drag only when that event was the ruler's).
TEST_F(Events, DisplayChangeToEveryWindowArrivesOnceAndKeepsTheLastEventsWindow)
{
    HWND main = TkOpenWindow(MainWindow, 100, 100, 300, 200, "Tessaro", TkTitleBar | TkInvisible);
    HWND button = TkButton(GrowTopButton, 10, 10, 60, 24, "+");
    HWND ruler = TkOpenWindow(RulerWindow, 450, 100, 200, 100, "Lineal", TkBorderless | TkInvisible);
    DrainPosted();

    SendMessageA(button, BM_CLICK, 0, 0);
    for (HWND window : {main, ruler})
        SendMessageA(window, WM_DISPLAYCHANGE, 32, MAKELPARAM(1920, 1080));
    RECT suggested{450, 100, 650, 200};
    SendMessageA(ruler, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    PostMessageA(ruler, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    const Seen seen = DrainPosted();
    EXPECT_EQ(CountCode(seen, EventDisplayChange), 1) << Describe(seen);
    const SeenEvent& press = Find(seen, WM_LBUTTONDOWN, IndexOf(seen, EventDisplayChange));
    EXPECT_EQ(press.window, MainWindow);
    EXPECT_EQ(press.control, GrowTopButton);
}

TEST_F(Events, PressThatActivatesAWindowFindsThatWindowAsEventWindow)
{
    HWND main = TkOpenWindow(MainWindow, 100, 100, 300, 200, "Tessaro", ShownTitled);
    HWND ruler = TkOpenWindow(RulerWindow, 450, 100, 200, 100, "Lineal", TkBorderless);
    ASSERT_TRUE(BringToFront(main, DrainPosted));
    PostMessageA(main, WM_CLOSE, 0, 0);
    DrainPosted();
    ASSERT_EQ(TkEventWindow(), MainWindow);

    const Seen seen = ClickAndPump(ruler, 100, 50);
    if (GetActiveWindow() != ruler)
        GTEST_SKIP() << "the click did not activate the window, so there was no activation to order before it";
    EXPECT_EQ(Find(seen, WM_LBUTTONDOWN).window, RulerWindow) << Describe(seen);
}

TEST_F(Events, DoubleClickOutsideControlsGivesOneEventAfterTheFirstPressAndRelease)
{
    HWND ruler = TkOpenWindow(RulerWindow, 300, 200, 200, 120, "Lineal", TkBorderless);
    TkButton(GrowTopButton, 150, 80, 40, 30, "+");
    ASSERT_TRUE(BringToFront(ruler, DrainPosted));

    Seen seen = ClickAndPump(ruler, 100, 60, 2);
    ASSERT_EQ(CountCode(seen, EventLeftDoubleClick), 1) << Describe(seen);
    const size_t release = IndexOf(seen, WM_LBUTTONUP, IndexOf(seen, WM_LBUTTONDOWN));
    EXPECT_EQ(Find(seen, EventLeftDoubleClick, release).window, RulerWindow);

    seen = ClickAndPump(ruler, 170, 95, 2);
    EXPECT_EQ(CountCode(seen, EventLeftDoubleClick), 0) << "on a control\n" << Describe(seen);
}

TEST_F(Events, CloseSentFromAnotherThreadEndsTheWaitAlsoAfterAForeignMessageLoop)
{
    HWND main = TkOpenWindow(MainWindow, 100, 100, 300, 200, "Tessaro", TkTitleBar | TkInvisible);
    for (bool foreignLoop : {false, true}) {
        SCOPED_TRACE(foreignLoop ? "after a loop like a message box's" : "first");
        if (foreignLoop) {
            // An event queued while another loop than TkWaitEvent dispatches, as inside a modal message box.
            PostMessageA(main, WM_CLOSE, 0, 0);
            MSG message;
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageA(&message);
        }
        DrainPosted();
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
        EXPECT_FALSE(hadToWake);
    }
}
