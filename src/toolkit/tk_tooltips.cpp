// The one tooltip window that serves every control, created on first use.
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "toolkit/tk_internal.h"

namespace {

// The size that version 5 of the common controls accepts as well as version 6.
TTTOOLINFOA ToolFor(HWND control)
{
    TTTOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(control);
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    return tool;
}

HWND ToolTipWindow()
{
    TkShared& shared = TkSharedState();
    if (shared.toolTipWindow && IsWindow(shared.toolTipWindow))
        return shared.toolTipWindow;
    // No owner: the tooltip outlives the windows that the program closes and builds again.
    shared.toolTipWindow = CreateWindowExA(
        WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
        CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (shared.toolTipWindow)
        SetWindowPos(shared.toolTipWindow, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return shared.toolTipWindow;
}

} // namespace

void TkSetToolTip(int control, std::string_view text)
{
    const TkControlRecord* record = TkFindControl(control);
    if (!record || !record->handle)
        return;
    HWND toolTip = ToolTipWindow();
    if (!toolTip)
        return;
    TkRemoveToolTip(record->handle);
    std::string tip(text);
    TTTOOLINFOA tool = ToolFor(record->handle);
    tool.lpszText = tip.data();
    SendMessageA(toolTip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void TkRemoveToolTip(HWND control)
{
    const HWND toolTip = TkSharedState().toolTipWindow;
    if (!toolTip || !control)
        return;
    TTTOOLINFOA tool = ToolFor(control);
    SendMessageA(toolTip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void TkDestroyToolTipWindow()
{
    TkShared& shared = TkSharedState();
    if (shared.toolTipWindow) {
        DestroyWindow(shared.toolTipWindow);
        shared.toolTipWindow = nullptr;
    }
}
