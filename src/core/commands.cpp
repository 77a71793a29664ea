#include "core/commands.h"

#include <windows.h>

#include <shellapi.h>

#include "core/app_state.h"
#include "core/line_marker.h"
#include "core/object_ids.h"
#include "core/program_texts.h"
#include "core/startup.h"
#include "toolkit/tk_services.h"
#include "toolkit/tk_windows.h"
#include "windows/ruler_window.h"
#include "windows/settings.h"
#include "windows/short_guide.h"
#include "windows/window_placement.h"

namespace {

// The menu item's check mark decides; the setting follows it. Returns the new state.
int8_t ToggleMenuMark(int item)
{
    const int8_t on = TkMenuItemMark(MainMenu, item) ? 0 : 1;
    TkSetMenuItemMark(MainMenu, item, on);
    return on;
}

void WriteInstallFolder()
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Kelvandor\\Tessaro", 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    const std::string& folder = App().programFolder;
    RegSetValueExA(key, "InstallDir", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                   static_cast<DWORD>(folder.size() + 1));
    RegCloseKey(key);
}

} // namespace

void CopyFieldToClipboard(int control)
{
    MarkLine();
    SetCursor(App().CopyCursor);
    TkSetClipboardText(TkGetControlText(control));
    TkDelay(300);
    SetCursor(App().ArrowCursor);
}

void ShowAbout()
{
    MarkLine();
    const std::string title = TkGetWindowTitle(MainWindow);
    TkMessageBox(title, title + "\r\n\r\n" + ProgramVersionText + "\r\n\r\n", MB_SYSTEMMODAL);
}

void ToggleAlwaysOnTop()
{
    MarkLine();
    App().settings.MainWindowOnTop = ToggleMenuMark(MenuAlwaysOnTop);
    TkSetWindowTopmost(MainWindow, App().settings.MainWindowOnTop);
}

void ToggleTooltips()
{
    MarkLine();
    App().settings.ShowTooltips = ToggleMenuMark(MenuShowTooltips);
    RebuildWindows();
}

void ChooseMeasureUnit(int unit)
{
    MarkLine();
    App().settings.MeasureUnit = unit;
    TkSetMenuRadio(MainMenu, MenuUnitPixel, MenuUnitInch, MenuUnitPixel + unit);
    LayoutRuler();
}

void OpenWithShell(const std::string& target)
{
    MarkLine();
    ShellExecuteA(nullptr, "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void OpenManual()
{
    MarkLine();
    const std::string path = App().programFolder + ManualFileName;
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        TkMessageBox(ProgramTitle, std::string(ManualMissingText) + "\r\n" + path, MB_OK | MB_ICONWARNING);
        return;
    }
    OpenWithShell(path);
}

void ExitSequence()
{
    MarkLine();
    CloseShortGuide();
    CloseRulerWindow();
    CloseMainWindow();
    SaveSettings();
    MarkLine();
    WriteInstallFolder();
    EndProgram();
}
