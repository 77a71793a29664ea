// The modal message box, which keeps every other window of the thread from being used or covering it.
#include <string>
#include <vector>

#include "toolkit/tk_internal.h"

namespace {

struct OtherWindows {
    HWND owner = nullptr;
    std::vector<HWND> disabled;
    std::vector<HWND> wereTopmost;
};

BOOL CALLBACK SetAside(HWND window, LPARAM data)
{
    auto* others = reinterpret_cast<OtherWindows*>(data);
    if (!IsWindowVisible(window))
        return TRUE;
    // MessageBoxA disables its owner itself and enables it again before it activates it.
    if (window != others->owner && IsWindowEnabled(window)) {
        EnableWindow(window, FALSE);
        others->disabled.push_back(window);
    }
    if (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) {
        SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        others->wereTopmost.push_back(window);
    }
    return TRUE;
}

} // namespace

int TkMessageBox(std::string_view title, std::string_view text, uint32_t type)
{
    OtherWindows others;
    if (HWND foreground = GetForegroundWindow()) {
        DWORD process = 0;
        GetWindowThreadProcessId(foreground, &process);
        if (process == GetCurrentProcessId())
            others.owner = foreground;
    }
    EnumThreadWindows(GetCurrentThreadId(), SetAside, reinterpret_cast<LPARAM>(&others));

    const std::string caption(title);
    const std::string message(text);
    const int result = MessageBoxA(others.owner, message.c_str(), caption.c_str(), type);

    for (HWND window : others.wereTopmost) {
        if (IsWindow(window))
            SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    for (HWND window : others.disabled) {
        if (IsWindow(window))
            EnableWindow(window, TRUE);
    }
    return result;
}
