// Toolkit windows: opening and closing, geometry, state, colour, Z order and callbacks.
#include <algorithm>
#include <cstdio>
#include <string>

#include "toolkit/tk_fonts.h"
#include "toolkit/tk_internal.h"
#include "toolkit/tk_scale.h"

namespace {

std::string ClassName(int window)
{
    char name[32];
    std::snprintf(name, sizeof(name), "WindowClass_%d", window);
    return name;
}

bool RegisterWindowClass(const std::string& name)
{
    const TkShared& shared = TkSharedState();
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = TkWindowProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hIcon = shared.programIcon;
    windowClass.hCursor = shared.arrowCursor;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = name.c_str();
    return RegisterClassExA(&windowClass) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// Outer size for an inner size; the menu bar is left out, as TkWindowHeight counts it to the inner height. A scaled
// window's frame is that of its resolution.
SIZE OuterSize(DWORD style, DWORD exStyle, int innerWidth, int innerHeight, int dpi = 0)
{
    RECT rect{0, 0, innerWidth, innerHeight};
    if (dpi > 0)
        AdjustWindowRectExForDpi(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi));
    else
        AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

HWND HandleOf(int window)
{
    const TkWindowRecord* record = TkFindWindow(window);
    return record ? record->handle : nullptr;
}

void ActivateOwner(HWND window)
{
    if (HWND owner = GetWindow(window, GW_OWNER))
        SetActiveWindow(owner);
}

} // namespace

HWND TkOpenWindow(int window, int x, int y, int innerWidth, int innerHeight, std::string_view title, uint32_t flags)
{
    TkCloseWindow(window);
    const std::string className = ClassName(window);
    if (!RegisterWindowClass(className))
        return nullptr;

    DWORD style = flags & ~(TkCentred | TkInvisible | TkScaled | TkExactPlace);
    if (style == 0)
        style = WS_CAPTION;
    const SIZE outer = OuterSize(style, 0, innerWidth, innerHeight);
    const bool systemPlace = x == TkKeep || y == TkKeep;

    TkShared& shared = TkSharedState();
    shared.windows[window] = TkWindowRecord{};
    const std::string text(title);
    const HWND handle =
        CreateWindowExA(0, className.c_str(), text.c_str(), style, systemPlace ? CW_USEDEFAULT : x,
                        systemPlace ? CW_USEDEFAULT : y, outer.cx, outer.cy, nullptr, nullptr,
                        GetModuleHandleA(nullptr), reinterpret_cast<void*>(static_cast<intptr_t>(window)));
    if (!handle) {
        shared.windows.erase(window);
        UnregisterClassA(className.c_str(), GetModuleHandleA(nullptr));
        return nullptr;
    }
    TkWindowRecord& record = shared.windows[window];
    record.handle = handle;
    TkInitShortcuts(record);
    if (flags & TkScaled) {
        // Only now is the display known that the window stands on.
        record.scaled = true;
        record.baseWidth = innerWidth;
        record.baseHeight = innerHeight;
        record.dpi = TkFrameDpi(handle);
        const SIZE scaled = TkScaledOuterSize(record, record.dpi, record.dpi);
        SetWindowPos(handle, nullptr, 0, 0, scaled.cx, scaled.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    shared.currentWindow = window;
    shared.containerStack.clear();
    shared.lastCreatedControl = -1;

    if (flags & TkCentred) {
        RECT frame;
        GetWindowRect(handle, &frame);
        const int width = frame.right - frame.left;
        const int height = frame.bottom - frame.top;
        const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
        const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
        SetWindowPos(handle, nullptr, (screenWidth - std::min(screenWidth, width)) / 2,
                     (screenHeight - std::min(screenHeight, height)) / 2, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (systemPlace && (flags & TkExactPlace))
        SetWindowPos(handle, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (!(flags & TkInvisible)) {
        ShowWindow(handle, SW_SHOWNORMAL);
        UpdateWindow(handle);
    }
    return handle;
}

void TkCloseWindow(int window)
{
    const TkWindowRecord* record = TkFindWindow(window);
    if (!record)
        return;
    const HWND handle = record->handle;
    TkShared& shared = TkSharedState();
    for (const auto& [number, control] : shared.controls) {
        if (control.window == window)
            TkRemoveToolTip(control.handle);
    }
    if (handle) {
        ActivateOwner(handle);
        DestroyWindow(handle);
    }
    TkForgetWindow(window);
    UnregisterClassA(ClassName(window).c_str(), GetModuleHandleA(nullptr));
}

void TkHideWindow(int window, int hidden)
{
    HWND handle = HandleOf(window);
    if (!handle)
        return;
    if (hidden) {
        ActivateOwner(handle);
        ShowWindow(handle, SW_HIDE);
    } else {
        // SW_SHOW activates and keeps the state the window had: maximised, minimised or normal.
        ShowWindow(handle, SW_SHOW);
    }
}

void TkSetWindowState(int window, int state)
{
    HWND handle = HandleOf(window);
    if (!handle)
        return;
    switch (state) {
    case TkStateNormal: ShowWindow(handle, SW_RESTORE); break;
    case TkStateMaximised: ShowWindow(handle, SW_MAXIMIZE); break;
    case TkStateMinimised: ShowWindow(handle, SW_MINIMIZE); break;
    }
}

int TkGetWindowState(int window)
{
    HWND handle = HandleOf(window);
    if (!handle)
        return 0;
    if (IsZoomed(handle))
        return TkStateMaximised;
    if (IsIconic(handle))
        return TkStateMinimised;
    return TkStateNormal;
}

void TkResizeWindow(int window, int x, int y, int innerWidth, int innerHeight)
{
    HWND handle = HandleOf(window);
    if (!handle)
        return;
    UINT flags = SWP_NOACTIVATE | SWP_NOZORDER;
    RECT frame;
    GetWindowRect(handle, &frame);
    if (x == TkKeep && y == TkKeep)
        flags |= SWP_NOMOVE;
    if (x == TkKeep)
        x = frame.left;
    if (y == TkKeep)
        y = frame.top;
    SIZE outer{};
    if (innerWidth == TkKeep && innerHeight == TkKeep) {
        flags |= SWP_NOSIZE;
    } else {
        if (innerWidth == TkKeep)
            innerWidth = TkWindowWidth(window);
        if (innerHeight == TkKeep)
            innerHeight = TkWindowHeight(window);
        const TkWindowRecord* record = TkFindWindow(window);
        outer = OuterSize(static_cast<DWORD>(GetWindowLongPtrA(handle, GWL_STYLE)),
                          static_cast<DWORD>(GetWindowLongPtrA(handle, GWL_EXSTYLE)), innerWidth, innerHeight,
                          record->scaled ? TkFrameDpi(handle) : 0);
    }
    SetWindowPos(handle, nullptr, x, y, outer.cx, outer.cy, flags);
}

int TkWindowX(int window)
{
    RECT frame{};
    if (HWND handle = HandleOf(window))
        GetWindowRect(handle, &frame);
    return frame.left;
}

int TkWindowY(int window)
{
    RECT frame{};
    if (HWND handle = HandleOf(window))
        GetWindowRect(handle, &frame);
    return frame.top;
}

int TkWindowWidth(int window)
{
    RECT client{};
    if (HWND handle = HandleOf(window))
        GetClientRect(handle, &client);
    return client.right;
}

int TkWindowHeight(int window)
{
    HWND handle = HandleOf(window);
    if (!handle)
        return 0;
    RECT client{};
    GetClientRect(handle, &client);
    const TkWindowRecord* record = TkFindWindow(window);
    const int menu = record->scaled ? GetSystemMetricsForDpi(SM_CYMENU, static_cast<UINT>(TkFrameDpi(handle)))
                                    : GetSystemMetrics(SM_CYMENU);
    return client.bottom + (GetMenu(handle) ? menu : 0);
}

namespace {

// The cursor relative to the client area, or (-1, -1) outside it.
POINT MouseInClient(int window)
{
    POINT cursor{-1, -1};
    HWND handle = HandleOf(window);
    RECT client;
    if (!handle || !GetCursorPos(&cursor) || !ScreenToClient(handle, &cursor) || !GetClientRect(handle, &client))
        return {-1, -1};
    if (cursor.x < 0 || cursor.y < 0 || cursor.x >= client.right || cursor.y >= client.bottom)
        return {-1, -1};
    return cursor;
}

} // namespace

int TkWindowMouseX(int window)
{
    return MouseInClient(window).x;
}

int TkWindowMouseY(int window)
{
    return MouseInClient(window).y;
}

std::string TkNativeText(HWND handle)
{
    std::string text(static_cast<size_t>(GetWindowTextLengthA(handle)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(handle, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::string TkGetWindowTitle(int window)
{
    HWND handle = HandleOf(window);
    return handle ? TkNativeText(handle) : std::string();
}

void TkSetWindowColor(int window, int32_t colour)
{
    TkWindowRecord* record = TkFindWindow(window);
    if (!record)
        return;
    if (record->backBrush)
        DeleteObject(record->backBrush);
    record->backBrush = nullptr;
    record->backColour = colour == -1 ? -1 : (colour & 0xFFFFFF);
    if (record->backColour != -1)
        record->backBrush = CreateSolidBrush(static_cast<COLORREF>(record->backColour));
    RedrawWindow(record->handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void TkSetWindowTopmost(int window, int on)
{
    if (HWND handle = HandleOf(window))
        SetWindowPos(handle, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

int TkWindowExists(int window)
{
    return HandleOf(window) ? 1 : 0;
}

HWND TkWindowHandle(int window)
{
    return HandleOf(window);
}

int TkWindowDpi(int window)
{
    const TkWindowRecord* record = TkFindWindow(window);
    return record && record->scaled ? record->dpi : TkBaseDpi;
}

int TkFrameDpi(HWND handle)
{
    const UINT dpi = GetDpiForWindow(handle);
    return dpi ? static_cast<int>(dpi) : TkBaseDpi;
}

SIZE TkScaledOuterSize(const TkWindowRecord& record, int dpi, int frameDpi)
{
    return OuterSize(static_cast<DWORD>(GetWindowLongPtrA(record.handle, GWL_STYLE)),
                     static_cast<DWORD>(GetWindowLongPtrA(record.handle, GWL_EXSTYLE)),
                     TkScaleLength(record.baseWidth, dpi), TkScaleLength(record.baseHeight, dpi), frameDpi);
}

HFONT TkDefaultControlFont(int window)
{
    const TkWindowRecord* record = TkFindWindow(window);
    return record && record->scaled ? TkControlFont(record->dpi) : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void TkRescaleWindow(int window, int dpi, int x, int y)
{
    TkWindowRecord* record = TkFindWindow(window);
    if (!record || !record->scaled || dpi <= 0)
        return;
    record->dpi = dpi;
    // On a display of another scale the system has drawn the frame for that scale already. Nothing is painted
    // here, not even the frame: the window is painted once, when its controls stand at their new places
    // (TkPaintRescaledWindow).
    const SIZE outer = TkScaledOuterSize(*record, dpi, TkFrameDpi(record->handle));
    SetWindowPos(record->handle, nullptr, x, y, outer.cx, outer.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOCOPYBITS | SWP_DEFERERASE);
    const HFONT font = TkControlFont(dpi);
    for (auto& [number, control] : TkSharedState().controls)
        if (control.window == window && control.defaultFont)
            TkGiveControlFont(control, font, false);
}

void TkPaintRescaledWindow(HWND handle)
{
    if (IsWindow(handle))
        RedrawWindow(handle, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

HWND TkFindInstanceWindow(int window, std::string_view title)
{
    const std::string text(title);
    HWND found = FindWindowA(ClassName(window).c_str(), text.c_str());
    return found == HandleOf(window) ? nullptr : found;
}

void TkSetWindowCallback(TkWindowCallback procedure, int window)
{
    if (TkWindowRecord* record = TkFindWindow(window))
        record->callback = procedure;
}
