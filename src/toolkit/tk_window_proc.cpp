// The one window procedure of every toolkit window and container: the window's callback sees each message first,
// then the message becomes a queued toolkit event or gets the toolkit's own handling.
#include "toolkit/tk_internal.h"

namespace {

// The number of the window that this window or container belongs to, -1 for a message that comes before the
// number is stored (WM_GETMINMAXINFO precedes WM_NCCREATE).
int OwningWindow(HWND handle, TkWindowRecord** record)
{
    const int window = static_cast<int>(GetWindowLongPtrA(handle, GWLP_USERDATA));
    TkWindowRecord* found = TkFindWindow(window);
    if (!found || !found->handle || (found->handle != handle && !IsChild(found->handle, handle)))
        return -1;
    *record = found;
    return window;
}

HBRUSH ControlColours(HDC dc, HWND control)
{
    const TkControlRecord* record = TkFindControlByHandle(control);
    if (!record)
        return nullptr;
    if (record->backColour != -1) {
        if (record->textColour != -1)
            SetTextColor(dc, static_cast<COLORREF>(record->textColour));
        SetBkColor(dc, static_cast<COLORREF>(record->backColour));
        return record->backBrush;
    }
    if (record->textColour != -1) {
        // Not the window's colour: a label that only changes its text colour keeps the usual face behind it.
        SetTextColor(dc, static_cast<COLORREF>(record->textColour));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return GetSysColorBrush(COLOR_BTNFACE);
    }
    return nullptr;
}

HBRUSH BackgroundBrush(HWND handle, TkWindowRecord* window, bool isWindow)
{
    if (isWindow)
        return window->backBrush;
    const TkControlRecord* container = TkFindControlByHandle(handle);
    return container ? container->backBrush : nullptr;
}

void MoveFocus(HWND window, bool backwards)
{
    HWND focus = GetFocus();
    if (focus && focus != window && !IsChild(window, focus))
        return;
    if (focus == window)
        focus = nullptr;
    if (HWND next = GetNextDlgTabItem(window, focus, backwards))
        SetFocus(next);
}

void WindowSized(int window, TkWindowRecord* record, WPARAM kind)
{
    if (kind == SIZE_MINIMIZED) {
        record->wasMinimisedOrMaximised = true;
        TkQueueEvent(EventMinimized, window, 0, 0);
    } else if (kind == SIZE_MAXIMIZED) {
        record->wasMinimisedOrMaximised = true;
        TkQueueEvent(EventSizeWindow, window, 0, 0);
    } else if (kind == SIZE_RESTORED) {
        if (record->wasMinimisedOrMaximised) {
            record->wasMinimisedOrMaximised = false;
            TkQueueEvent(EventRestored, window, 0, 0);
        } else {
            TkQueueEvent(EventSizeWindow, window, 0, 0);
        }
    }
}

} // namespace

const char* TkContainerClassName()
{
    return TkSharedState().containerClass.c_str();
}

LRESULT CALLBACK TkWindowProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        const auto number = reinterpret_cast<intptr_t>(create->lpCreateParams);
        SetWindowLongPtrA(handle, GWLP_USERDATA, static_cast<LONG_PTR>(number));
        // A top-level window's record waits for its handle; a container's window has it already.
        if (!(create->style & WS_CHILD)) {
            if (TkWindowRecord* record = TkFindWindow(static_cast<int>(number)); record && !record->handle)
                record->handle = handle;
        }
    }

    TkWindowRecord* record = nullptr;
    const int window = OwningWindow(handle, &record);
    if (window < 0)
        return DefWindowProcA(handle, message, wParam, lParam);

    // Monitors came, went or changed their scale. Every top-level window is told; one event is enough. It is queued
    // before the window's callback, which may lay the window out for a new scale itself.
    if ((message == WM_DISPLAYCHANGE || message == WM_DPICHANGED) && record->handle == handle &&
        !TkEventQueued(EventDisplayChange))
        TkQueueEvent(EventDisplayChange, -1, 0, 0);
    // A scaled window moved onto a display of another scale takes its frame at the suggested place and its fonts
    // anew before its callback sees the message and places its controls; then it is painted, once.
    const bool rescaled = message == WM_DPICHANGED && record->handle == handle && record->scaled;
    if (rescaled) {
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        TkRescaleWindow(window, HIWORD(wParam), suggested->left, suggested->top);
    }

    if (record->callback) {
        const LRESULT result = record->callback(handle, message, wParam, lParam);
        if (rescaled)
            TkPaintRescaledWindow(handle);
        if (result != CallbackDefault)
            return result;
        // The callback may have closed the window.
        record = TkFindWindow(window);
        if (!record || !IsWindow(handle))
            return 0;
    } else if (rescaled) {
        TkPaintRescaledWindow(handle);
    }
    const bool isWindow = record->handle == handle;

    switch (message) {
    case WM_CTLCOLORSTATIC:
        if (HBRUSH brush = ControlColours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)))
            return reinterpret_cast<LRESULT>(brush);
        break;
    case WM_ERASEBKGND:
        if (HBRUSH brush = BackgroundBrush(handle, record, isWindow)) {
            RECT client;
            GetClientRect(handle, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, brush);
            return 1;
        }
        break;
    case WM_COMMAND:
        if (lParam) {
            int control = 0;
            if (TkFindControlByHandle(reinterpret_cast<HWND>(lParam), &control)) {
                TkQueueEvent(EventControl, window, control, HIWORD(wParam));
                return 0;
            }
        } else if (LOWORD(wParam) == TkFocusNextId || LOWORD(wParam) == TkFocusPreviousId) {
            MoveFocus(record->handle, LOWORD(wParam) == TkFocusPreviousId);
            return 0;
        } else {
            TkQueueEvent(EventMenu, window, LOWORD(wParam), 0);
            return 0;
        }
        break;
    case WM_CLOSE:
        if (isWindow) {
            TkQueueEvent(EventCloseWindow, window, 0, 0);
            return 0;
        }
        break;
    case WM_SIZE:
        if (isWindow)
            WindowSized(window, record, wParam);
        break;
    case WM_MOVE:
        if (isWindow)
            TkQueueEvent(EventMoveWindow, window, 0, 0);
        break;
    case WM_ACTIVATE:
        if (isWindow && LOWORD(wParam) != WA_INACTIVE)
            TkQueueEvent(EventActivateWindow, window, 0, 0);
        break;
    case WM_GETDPISCALEDSIZE:
        // A scaled window's size does not follow the scale exactly (rounding, the frame); the system is told the
        // size it will take, so that the rectangle WM_DPICHANGED suggests fits it.
        if (isWindow && record->scaled) {
            const SIZE outer = TkScaledOuterSize(*record, static_cast<int>(wParam), static_cast<int>(wParam));
            *reinterpret_cast<SIZE*>(lParam) = outer;
            return TRUE;
        }
        break;
    case WM_DPICHANGED:
        if (rescaled)
            return 0;
        break;
    case WM_LBUTTONDBLCLK:
        if (isWindow)
            TkQueueEvent(EventLeftDoubleClick, window, 0, 0);
        break;
    }
    return DefWindowProcA(handle, message, wParam, lParam);
}
