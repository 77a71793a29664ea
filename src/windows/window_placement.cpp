#include "windows/window_placement.h"

#include <windows.h>

#include "core/app_state.h"
#include "core/object_ids.h"
#include "core/ruler_drag.h"
#include "toolkit/tk_windows.h"
#include "windows/main_window.h"
#include "windows/ruler_window.h"
#include "windows/short_guide.h"

namespace {

// The window was moved or sized already; the message makes its handler lay it out and measure again. The
// handler's limits therefore do not act on a nudge: the keys can push the ruler past an edge of the screen.
void NotifyNudge(int window, UINT message, int side)
{
    NudgeRectangle& rect = App().NudgeRect;
    rect.left = TkWindowX(window);
    rect.top = TkWindowY(window);
    rect.right = rect.left + TkWindowWidth(window);
    rect.bottom = rect.top + TkWindowHeight(window);
    SendMessageA(TkWindowHandle(window), message, static_cast<WPARAM>(side), reinterpret_cast<LPARAM>(&rect));
}

} // namespace

void ResizeRulerSide(int window, int side, int amount)
{
    int x = TkWindowX(window), y = TkWindowY(window);
    int width = TkWindowWidth(window), height = TkWindowHeight(window);
    switch (side) {
    case SideTop: y -= amount; height += amount; break;
    case SideBottom: height += amount; break;
    case SideLeft: x -= amount; width += amount; break;
    case SideRight: width += amount; break;
    }
    TkResizeWindow(window, x, y, width, height);
    NotifyNudge(window, WM_SIZING, side);
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
    TkResizeWindow(window, x, y, TkKeep, TkKeep);
    NotifyNudge(window, WM_MOVING, side);
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
    ReleaseMainWindowBrush();
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

void RebuildWindows()
{
    CloseShortGuide();
    CloseRulerWindow();
    CloseMainWindow();
    BuildMainWindow();
    BuildRulerWindow();
    TkSetWindowCallback(RulerWindowCallback, RulerWindow);
    if (App().settings.ShowShortGuide != 0)
        OpenShortGuide();
}
