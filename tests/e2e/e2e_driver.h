// A user's hands and tools on the program's windows: keyboard and mouse input, the windows' texts, styles and
// places, the settings file, the registry and the screen. Everything here works from another process.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "e2e_support.h"
#include "input.h"
#include "screen_area.h"

// --- Finding the program's windows -----------------------------------------------------------------------------

// The main window (title "Tessaro", not a message box), or null while it is not shown.
HWND MainWindowOf(DWORD processId);
HWND RulerWindowOf(DWORD processId);
HWND ShortGuideOf(DWORD processId);
// An open menu of the process (a popup of the menu bar), or null.
HWND OpenMenuOf(DWORD processId);
// Whether the thread of the window is in menu mode: a menu is open, or the menu bar is still selected after one
// closed (keyboard and mouse input then go to the menu).
bool InMenuMode(HWND window);

// --- Reading what the windows show ------------------------------------------------------------------------------

std::string ControlText(HWND window, int control);
RECT WindowRect(HWND window);
// "(left,top)-(right,bottom)", for comparisons that print well.
std::string RectText(const RECT& rect);
// The client area in screen coordinates.
RECT ClientRectOnScreen(HWND window);
// A control's rectangle relative to the client area of its window.
RECT ControlRect(HWND window, int control);
// The centre of a control, in screen coordinates.
POINT ControlCentre(HWND window, int control);
bool IsTopmost(HWND window);
bool IsChecked(HWND window, int control);
// The number of tools of all tooltip windows of the process.
int ToolTipCount(DWORD processId);

// --- Input --------------------------------------------------------------------------------------------------------

// Brings the window to the front and presses Alt + the menu's access key until one of the process's menus opens;
// false when none did. (Keys can go astray while the program is still settling which of its windows is active.)
bool OpenMenu(DWORD processId, HWND window, wchar_t menuKey);
// Opens the menu and types the item's access key until the item's effect shows; false when it never did. A menu
// can close before the key arrives, while the program is still settling which of its windows is active.
bool PickMenuItem(DWORD processId, HWND window, wchar_t menuKey, wchar_t itemKey, const std::function<bool()>& picked);
// The same through a submenu: its key opens it, the item key picks within it.
bool PickSubmenuItem(DWORD processId, HWND window, wchar_t menuKey, wchar_t submenuKey, wchar_t itemKey,
                     const std::function<bool()>& picked);
// Closes an open menu and leaves the menu bar (Escape, twice); false when the program stayed in menu mode.
bool CloseMenu(DWORD processId, HWND window);
// Clicks the centre of a control with the mouse once the control's window stands there.
void ClickControl(HWND window, int control);

// --- Files, registry and screen ---------------------------------------------------------------------------------

// The settings file of the program: the application-data folder followed by "Tessaro\Tessaro.prefs".
std::string SettingsFilePath();
// The lines that the program writes (the nine of the first version, then the unit and the edge tolerance), with the
// windows' places taken from their frames.
std::string SettingsFileText(int showGuide, int onTop, int tooltips, const RECT& mainFrame, const RECT& rulerFrame,
                             int measureUnit = 0, int edgeTolerance = 0);
// Writes the settings file as a user would by hand, creating its folder when no run has made it yet.
bool WriteSettingsFile(const std::string& bytes);

// The data of a value under HKEY_CURRENT_USER as stored, a text's terminating zero included if it was stored, and
// its type; or "<missing>".
std::wstring UserRegistryData(const std::string& key, const std::string& value, DWORD* type);

// The folder of the test's artefacts, created on first use, with a trailing backslash.
std::string ArtifactFolder();
// Captures the whole screen into a BMP file; false when the capture failed.
bool SaveScreenBitmap(const std::string& path);
// Waits until the screen has stopped changing: two captures a quarter of a second apart are the same.
bool WaitForStillScreen();
// The colour of a screen pixel as a Windows colour value, as GetPixel on the screen reads it.
COLORREF ScreenPixel(POINT point);

// --- A run of the program from a known state -------------------------------------------------------------------

// Every test starts with no program running, no settings file and no registry key of the program.
class ProgramTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the program and waits until its main window and ruler stand and show the ruler's place; on time-out
    // the failure tells what the program shows. Fills main and ruler.
    testing::AssertionResult Start(const std::string& exe = TESSARO_EXE);
    // After a command that closes and builds the windows again: waits until the old main window and ruler are gone
    // and new ones stand, and fills main and ruler with them. False on time-out.
    bool WaitForRebuiltWindows();
    // Waits until the program takes input, that is until it runs its event loop, which it enters when every window
    // of the start stands complete: a menu of the main window then opens (and is closed again). False on time-out.
    bool WaitUntilTakingInput();
    // Quits through "&Datei" > "&Beenden"; returns the exit code, STILL_ACTIVE when the program did not end.
    DWORD QuitThroughMenu();

    RunningProgram program;
    HWND main = nullptr;
    HWND ruler = nullptr;
};

// The registry key that the program writes at exit.
constexpr const char* ProgramRegistryKey = "Software\\Kelvandor\\Tessaro";
