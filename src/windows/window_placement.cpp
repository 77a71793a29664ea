#include "windows/window_placement.h"

#include <windows.h>

#include <initializer_list>

#include "core/app_state.h"
#include "core/desktop_geometry.h"
#include "core/line_marker.h"
#include "core/object_ids.h"
#include "core/ruler_drag.h"
#include "toolkit/tk_windows.h"
#include "windows/edge_search.h"
#include "windows/main_window.h"
#include "windows/ruler_window.h"
#include "windows/short_guide.h"

namespace {

// The twelve one-pixel nudges and the twelve edge searches: the keyboard shortcut's command and key, and the main
// window's button (a search's with Alt held).
struct RulerNudge {
    int command;
    int key;
    int button;
    int side;
    int amount;          // moves: towards side; sizes: outward when positive
    bool move;           // moves the ruler rather than one of its sides
    bool search = false; // to the next change of the screen's colour rather than by amount
};

constexpr bool Move = true, Size = false;
constexpr bool Search = true;

// In the order the shortcuts are registered.
constexpr RulerNudge rulerNudges[] = {
    {CmdMoveUp, VK_UP, MoveUpButton, SideTop, 1, Move},
    {CmdMoveDown, VK_DOWN, MoveDownButton, SideBottom, 1, Move},
    {CmdMoveLeft, VK_LEFT, MoveLeftButton, SideLeft, 1, Move},
    {CmdMoveRight, VK_RIGHT, MoveRightButton, SideRight, 1, Move},
    {CmdGrowTop, TkShiftKey | VK_UP, GrowTopButton, SideTop, +1, Size},
    {CmdGrowBottom, TkShiftKey | VK_DOWN, GrowBottomButton, SideBottom, +1, Size},
    {CmdGrowLeft, TkShiftKey | VK_LEFT, GrowLeftButton, SideLeft, +1, Size},
    {CmdGrowRight, TkShiftKey | VK_RIGHT, GrowRightButton, SideRight, +1, Size},
    {CmdShrinkTop, TkControlKey | VK_UP, ShrinkTopButton, SideTop, -1, Size},
    {CmdShrinkBottom, TkControlKey | VK_DOWN, ShrinkBottomButton, SideBottom, -1, Size},
    {CmdShrinkLeft, TkControlKey | VK_LEFT, ShrinkLeftButton, SideLeft, -1, Size},
    {CmdShrinkRight, TkControlKey | VK_RIGHT, ShrinkRightButton, SideRight, -1, Size},
    {CmdFindMoveUp, TkAltKey | VK_UP, MoveUpButton, SideTop, 1, Move, Search},
    {CmdFindMoveDown, TkAltKey | VK_DOWN, MoveDownButton, SideBottom, 1, Move, Search},
    {CmdFindMoveLeft, TkAltKey | VK_LEFT, MoveLeftButton, SideLeft, 1, Move, Search},
    {CmdFindMoveRight, TkAltKey | VK_RIGHT, MoveRightButton, SideRight, 1, Move, Search},
    {CmdFindGrowTop, TkAltKey | TkShiftKey | VK_UP, GrowTopButton, SideTop, +1, Size, Search},
    {CmdFindGrowBottom, TkAltKey | TkShiftKey | VK_DOWN, GrowBottomButton, SideBottom, +1, Size, Search},
    {CmdFindGrowLeft, TkAltKey | TkShiftKey | VK_LEFT, GrowLeftButton, SideLeft, +1, Size, Search},
    {CmdFindGrowRight, TkAltKey | TkShiftKey | VK_RIGHT, GrowRightButton, SideRight, +1, Size, Search},
    {CmdFindShrinkTop, TkAltKey | TkControlKey | VK_UP, ShrinkTopButton, SideTop, -1, Size, Search},
    {CmdFindShrinkBottom, TkAltKey | TkControlKey | VK_DOWN, ShrinkBottomButton, SideBottom, -1, Size, Search},
    {CmdFindShrinkLeft, TkAltKey | TkControlKey | VK_LEFT, ShrinkLeftButton, SideLeft, -1, Size, Search},
    {CmdFindShrinkRight, TkAltKey | TkControlKey | VK_RIGHT, ShrinkRightButton, SideRight, -1, Size, Search},
};

void Nudge(const RulerNudge& nudge)
{
    if (nudge.search)
        SearchEdge(nudge.side, nudge.move ? EdgeKind::Move : nudge.amount > 0 ? EdgeKind::Grow : EdgeKind::Shrink);
    else if (nudge.move)
        MoveRulerStep(RulerWindow, nudge.side, nudge.amount);
    else
        ResizeRulerSide(RulerWindow, nudge.side, nudge.amount);
}

// Moves or sizes the window, then sends it the notification that makes its handler lay it out and measure again,
// once: the move itself does not measure while the nudge runs. The handler's limits act only on the notification's
// copy of the rectangle, so they do not act on a nudge: the keys can push the ruler past an edge of the screen.
void PlaceNudged(int window, int x, int y, int width, int height, UINT message, int side)
{
    BeginRulerNudge();
    TkResizeWindow(window, x, y, width, height);
    NudgeRectangle& rect = App().NudgeRect;
    rect.left = TkWindowX(window);
    rect.top = TkWindowY(window);
    rect.right = rect.left + TkWindowWidth(window);
    rect.bottom = rect.top + TkWindowHeight(window);
    SendMessageA(TkWindowHandle(window), message, static_cast<WPARAM>(side), reinterpret_cast<LPARAM>(&rect));
    EndRulerNudge();
}

// The part the user takes a window by: its title bar, or the whole of a window without one (the ruler).
GrabPart GrabPartOf(int window)
{
    HWND handle = TkWindowHandle(window);
    RECT frame{};
    GetWindowRect(handle, &frame);
    GrabPart part{frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top};
    const DWORD style = static_cast<DWORD>(GetWindowLongA(handle, GWL_STYLE));
    if ((style & WS_CAPTION) == WS_CAPTION) {
        RECT border{};
        AdjustWindowRectEx(&border, style, FALSE, static_cast<DWORD>(GetWindowLongA(handle, GWL_EXSTYLE)));
        part.height = -border.top;
    }
    return part;
}

} // namespace

void ResizeRulerSide(int window, int side, int amount)
{
    int x = TkWindowX(window), y = TkWindowY(window);
    int width = TkWindowWidth(window), height = TkWindowHeight(window);
    switch (side) {
    case SideTop:
        y -= amount;
        height += amount;
        break;
    case SideBottom: height += amount; break;
    case SideLeft:
        x -= amount;
        width += amount;
        break;
    case SideRight: width += amount; break;
    }
    PlaceNudged(window, x, y, width, height, WM_SIZING, side);
}

void MoveRulerStep(int window, int side, int amount)
{
    int x = TkWindowX(window), y = TkWindowY(window);
    switch (side) {
    case SideTop: y -= amount; break;
    case SideBottom: y += amount; break;
    case SideLeft: x -= amount; break;
    case SideRight: x += amount; break;
    }
    PlaceNudged(window, x, y, TkKeep, TkKeep, WM_MOVING, side);
}

void AddRulerShortcuts(int window)
{
    for (const RulerNudge& nudge : rulerNudges)
        TkAddShortcut(window, nudge.key, nudge.command);
}

void NudgeByCommand(int command)
{
    for (const RulerNudge& nudge : rulerNudges)
        if (nudge.command == command)
            Nudge(nudge);
}

void NudgeByButton(int button)
{
    // Alt held while the button was clicked makes it search, as Alt with the button's key does.
    const bool search = GetKeyState(VK_MENU) < 0;
    for (const RulerNudge& nudge : rulerNudges)
        if (nudge.button == button && nudge.search == search)
            Nudge(nudge);
}

void CloseMainWindow()
{
    if (!TkWindowExists(MainWindow))
        return;
    // A minimised window reports the place Windows parks it at, not the one to remember.
    if (TkGetWindowState(MainWindow) == TkStateMinimised)
        TkSetWindowState(MainWindow, TkStateNormal);
    Settings& settings = App().settings;
    settings.MainWindowPosX = TkWindowX(MainWindow);
    settings.MainWindowPosY = TkWindowY(MainWindow);
    TkCloseWindow(MainWindow);
}

void CloseRulerWindow()
{
    if (!TkWindowExists(RulerWindow))
        return;
    Settings& settings = App().settings;
    settings.RulerWindowPosX = TkWindowX(RulerWindow);
    settings.RulerWindowPosY = TkWindowY(RulerWindow);
    settings.RulerWindowWidth = TkWindowWidth(RulerWindow);
    settings.RulerWindowHeight = TkWindowHeight(RulerWindow);
    TkCloseWindow(RulerWindow);
}

void BuildWindows()
{
    BuildMainWindow();
    MarkLine();
    BuildRulerWindow();
    TkSetWindowCallback(RulerWindowCallback, RulerWindow);
    MarkLine();
    if (App().settings.ShowShortGuide != 0)
        OpenShortGuide();
}

void RebuildWindows()
{
    CloseShortGuide();
    CloseRulerWindow();
    CloseMainWindow();
    BuildWindows();
}

void BringWindowsOntoMonitors()
{
    const AppState& app = App();
    for (int window : {RulerWindow, MainWindow, ShortGuideWindow}) {
        // A minimised window stands where the system parks it; it comes back at its own place when restored.
        if (!TkWindowExists(window) || TkGetWindowState(window) == TkStateMinimised)
            continue;
        const GrabPart part = GrabPartOf(window);
        const TkPoint place = PlaceToTake(part, app.monitors);
        if (place.x != part.x || place.y != part.y)
            TkResizeWindow(window, place.x, place.y, TkKeep, TkKeep);
    }
}
