#include "measure/window_at_point.h"

#include <dwmapi.h>

namespace {

bool OwnWindow(HWND window)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process == GetCurrentProcessId();
}

bool ClickThrough(LONG_PTR extendedStyle)
{
    return (extendedStyle & (WS_EX_LAYERED | WS_EX_TRANSPARENT)) == (WS_EX_LAYERED | WS_EX_TRANSPARENT);
}

// The desktop composition's attribute reader. dwmapi is no DLL the system always takes from its own folder, so it is
// loaded from there by hand rather than imported: a dwmapi.dll lying beside the program is never used. Null where the
// system has none.
using AttributeReader = HRESULT(WINAPI*)(HWND, DWORD, void*, DWORD);

AttributeReader DesktopAttributeReader()
{
    static const AttributeReader reader = [] {
        HMODULE dwmapi = LoadLibraryExW(L"dwmapi.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        return dwmapi ? reinterpret_cast<AttributeReader>(
                            reinterpret_cast<void (*)()>(GetProcAddress(dwmapi, "DwmGetWindowAttribute")))
                      : nullptr;
    }();
    return reader;
}

// The desktop composition hides ("cloaks") the windows of other virtual desktops and of suspended apps while they
// keep their visible style; the system's hit test passes over them.
bool Cloaked(HWND window)
{
    const AttributeReader read = DesktopAttributeReader();
    DWORD cloaked = 0;
    return read && SUCCEEDED(read(window, DWMWA_CLOAKED, &cloaked, sizeof(cloaked))) && cloaked != 0;
}

// Whether the system's hit test takes a window at the point: shown, not a disabled child, not click-through, and
// the point inside its rectangle and its window region.
bool TakesPoint(HWND window, POINT p)
{
    const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    if (!(style & WS_VISIBLE) || (style & (WS_CHILD | WS_POPUP | WS_DISABLED)) == (WS_CHILD | WS_DISABLED))
        return false;
    RECT frame;
    if (ClickThrough(GetWindowLongPtrA(window, GWL_EXSTYLE)) || !GetWindowRect(window, &frame) || !PtInRect(&frame, p))
        return false;
    RECT regionBox;
    if (GetWindowRgnBox(window, &regionBox) == ERROR)
        return true;
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    GetWindowRgn(window, region);
    const bool inside = PtInRegion(region, p.x - frame.left, p.y - frame.top);
    DeleteObject(region);
    return inside;
}

// A group box: a button of that type, on Windows also one of a class built on the system's button (there
// RealGetWindowClass names the system's class beneath).
bool GroupBox(HWND window)
{
    char name[16] = {};
    return (GetWindowLongPtrA(window, GWL_STYLE) & (WS_CHILD | BS_TYPEMASK)) == (WS_CHILD | BS_GROUPBOX) &&
           RealGetWindowClassA(window, name, sizeof(name)) && lstrcmpiA(name, "Button") == 0;
}

// The child of a window that takes the point, first in Z-order; a group box only where no other child takes it. A
// group box frames the controls it lies over, and a user pointing into it points at them: Windows' own look-up for
// a child at a point passes a group box over the same way, Wine's does not.
HWND ChildAt(HWND window, POINT p)
{
    HWND groupBox = nullptr;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!TakesPoint(child, p))
            continue;
        if (!GroupBox(child))
            return child;
        if (!groupBox)
            groupBox = child;
    }
    return groupBox;
}

// The system descends from a window into a child that takes the point, through the client area only, and not into
// a disabled or minimised window.
HWND DeepestChild(HWND window, POINT p)
{
    for (;;) {
        if (GetWindowLongPtrA(window, GWL_STYLE) & (WS_DISABLED | WS_MINIMIZE))
            return window;
        POINT inside = p;
        RECT client;
        if (!ScreenToClient(window, &inside) || !GetClientRect(window, &client) || !PtInRect(&client, inside))
            return window;
        HWND child = ChildAt(window, p);
        if (!child)
            return window;
        window = child;
    }
}

// The control beneath a group box that the system named at the point, where one takes it; the group box otherwise.
HWND PastGroupBox(HWND found, POINT p)
{
    if (!found || !GroupBox(found))
        return found;
    HWND beneath = ChildAt(GetAncestor(found, GA_PARENT), p);
    return beneath && !GroupBox(beneath) ? DeepestChild(beneath, p) : found;
}

// The window at the point among the top-level windows below one of the program's own, as the system would find
// it; the desktop window when only the desktop lies there.
HWND WindowBelow(HWND own, POINT p)
{
    for (HWND window = GetWindow(GetAncestor(own, GA_ROOT), GW_HWNDNEXT); window;
         window = GetWindow(window, GW_HWNDNEXT)) {
        if (!OwnWindow(window) && TakesPoint(window, p) && !Cloaked(window))
            return DeepestChild(window, p);
    }
    return MonitorFromPoint(p, MONITOR_DEFAULTTONULL) ? GetDesktopWindow() : nullptr;
}

} // namespace

bool LetHitTestsThrough(HWND window, bool through)
{
    const LONG_PTR style = GetWindowLongPtrA(window, GWL_EXSTYLE);
    if (!(style & WS_EX_LAYERED) || ClickThrough(style) == through)
        return false;
    SetWindowLongPtrA(window, GWL_EXSTYLE,
                      through ? style | WS_EX_TRANSPARENT : style & ~static_cast<LONG_PTR>(WS_EX_TRANSPARENT));
    return true;
}

HWND ForeignWindowAt(POINT p)
{
    // A layered window of the program's own at the point lets the hit test through for one more question, so that
    // the system's own rules name the window below. During a drag the mouse is captured, so its input keeps going
    // to the ruler whatever the hit test says; and Wine turns the display's input into messages on this thread,
    // which does nothing else meanwhile.
    HWND passed[4];
    int count = 0;
    HWND found = WindowFromPoint(p);
    while (found && OwnWindow(found) && count < 4) {
        HWND root = GetAncestor(found, GA_ROOT);
        if (!LetHitTestsThrough(root, true))
            break;
        passed[count++] = root;
        found = WindowFromPoint(p);
    }
    while (count > 0)
        LetHitTestsThrough(passed[--count], false);
    // The control panel, the short guide or a tooltip of the program's own at the point: the search goes on below
    // it in Z-order by the same rules.
    if (found && OwnWindow(found))
        return WindowBelow(found, p);
    return PastGroupBox(found, p);
}
