#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include "toolkit/tk_internal.h"
#include "toolkit/tk_services.h"

namespace {

LRESULT CALLBACK MessageWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // A modal loop of the system (message box, menu, move and size) dispatches the wake-up instead of TkWaitEvent.
    if (message == TkWakeMessage) {
        TkSharedState().wakePosted = false;
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void RegisterToolkitClasses()
{
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    TkShared& shared = TkSharedState();

    WNDCLASSEXA container{};
    container.cbSize = sizeof(container);
    container.lpfnWndProc = TkWindowProcedure;
    container.hInstance = instance;
    container.hCursor = shared.arrowCursor;
    container.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    container.lpszClassName = shared.containerClass.c_str();
    RegisterClassExA(&container);

    WNDCLASSEXA messages{};
    messages.cbSize = sizeof(messages);
    messages.lpfnWndProc = MessageWindowProcedure;
    messages.hInstance = instance;
    messages.lpszClassName = shared.messageClass.c_str();
    RegisterClassExA(&messages);
}

} // namespace

void TkStartup(std::string_view programName)
{
    CoInitialize(nullptr);
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    // Version 5 of the common controls (no manifest) knows no standard classes and refuses the whole request.
    if (!InitCommonControlsEx(&controls)) {
        controls.dwICC = ICC_BAR_CLASSES;
        InitCommonControlsEx(&controls);
    }

    TkShared& shared = TkSharedState();
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    shared.programIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
    if (!shared.programIcon)
        shared.programIcon = LoadIconA(nullptr, IDI_APPLICATION);
    shared.arrowCursor = LoadCursorA(nullptr, IDC_ARROW);

    shared.containerClass = std::string(programName) + "ToolkitContainer";
    shared.messageClass = std::string(programName) + "ToolkitMessages";
    RegisterToolkitClasses();
    shared.messageWindow =
        CreateWindowExA(0, shared.messageClass.c_str(), "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
    TkClearTables();
    TkClearEvents();
    shared.paintHolds = 0;
    shared.unpaintedControls.clear();
}

void TkShutdown()
{
    TkClosePreferences();
    TkRemoveFaultHandler();
    TkDestroyToolTipWindow();

    TkShared& shared = TkSharedState();
    std::vector<int> open;
    for (const auto& [number, record] : shared.windows)
        open.push_back(number);
    for (int window : open)
        TkCloseWindow(window);

    TkReleaseFonts();

    if (shared.messageWindow) {
        DestroyWindow(shared.messageWindow);
        shared.messageWindow = nullptr;
    }
    TkReleaseImages();

    TkClearTables();
    TkClearEvents();
    shared.paintHolds = 0;
    shared.unpaintedControls.clear();
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    UnregisterClassA(shared.containerClass.c_str(), instance);
    UnregisterClassA(shared.messageClass.c_str(), instance);
}
