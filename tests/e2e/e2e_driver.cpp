#include "e2e_driver.h"

#include <commctrl.h>

#include "core/object_ids.h"

HWND MainWindowOf(DWORD processId)
{
    for (HWND window : TopLevelWindowsOf(processId)) {
        if (IsWindowVisible(window) && WindowTitle(window) == "Tessaro" && WindowClass(window) != "#32770")
            return window;
    }
    return nullptr;
}

HWND RulerWindowOf(DWORD processId)
{
    return FindProgramWindow(processId, "Lineal - Tessaro");
}

HWND ShortGuideOf(DWORD processId)
{
    return FindProgramWindow(processId, "Kurzanleitung - Tessaro");
}

HWND OpenMenuOf(DWORD processId)
{
    for (HWND menu : TopLevelWindowsOf(processId, "#32768")) {
        if (IsWindowVisible(menu))
            return menu;
    }
    return nullptr;
}

bool InMenuMode(HWND window)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info))
        return false;
    return (info.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE | GUI_SYSTEMMENUMODE)) != 0;
}

std::string ControlText(HWND window, int control)
{
    char text[1024] = {};
    GetWindowTextA(GetDlgItem(window, control), text, sizeof(text));
    return text;
}

RECT WindowRect(HWND window)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

std::string RectText(const RECT& rect)
{
    return "(" + std::to_string(rect.left) + "," + std::to_string(rect.top) + ")-(" + std::to_string(rect.right) + "," +
           std::to_string(rect.bottom) + ")";
}

RECT ClientRectOnScreen(HWND window)
{
    RECT rect{};
    GetClientRect(window, &rect);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

RECT ControlRect(HWND window, int control)
{
    return RectInParent(GetDlgItem(window, control));
}

POINT ControlCentre(HWND window, int control)
{
    const RECT rect = WindowRect(GetDlgItem(window, control));
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

bool IsTopmost(HWND window)
{
    return (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

bool IsChecked(HWND window, int control)
{
    return SendMessageA(GetDlgItem(window, control), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

int ToolTipCount(DWORD processId)
{
    int count = 0;
    for (HWND toolTip : TopLevelWindowsOf(processId, TOOLTIPS_CLASSA))
        count += static_cast<int>(SendMessageA(toolTip, TTM_GETTOOLCOUNT, 0, 0));
    return count;
}

bool OpenMenu(DWORD processId, HWND window, wchar_t menuKey)
{
    return WaitUntil([&] {
        BringToFront(window);
        PressKey(static_cast<WORD>(menuKey), {VK_MENU});
        return WaitUntil([&] { return OpenMenuOf(processId) != nullptr; }, std::chrono::seconds(2));
    });
}

bool PickMenuItem(DWORD processId, HWND window, wchar_t menuKey, wchar_t itemKey, const std::function<bool()>& picked)
{
    return PickSubmenuItem(processId, window, menuKey, 0, itemKey, picked);
}

bool PickSubmenuItem(DWORD processId, HWND window, wchar_t menuKey, wchar_t submenuKey, wchar_t itemKey,
                     const std::function<bool()>& picked)
{
    for (int attempt = 0; attempt < 5; ++attempt) {
        if (!OpenMenu(processId, window, menuKey))
            return false;
        if (submenuKey)
            TypeCharacter(submenuKey);
        TypeCharacter(itemKey);
        // The menu closes as it takes the key; the item's effect may follow seconds later on a busy machine, and
        // typing the key again then would pick the item twice. A menu that stays open lost the key.
        WaitUntil([&] { return picked() || (!OpenMenuOf(processId) && !InMenuMode(window)); });
        if (OpenMenuOf(processId))
            CloseMenu(processId, window);
        else if (WaitUntil(picked))
            return true;
    }
    return false;
}

bool CloseMenu(DWORD processId, HWND window)
{
    // The first Escape closes the menu, the second leaves the menu bar, which would otherwise take the next key
    // or swallow the next click.
    PressKey(VK_ESCAPE);
    PressKey(VK_ESCAPE);
    return WaitUntil([&] { return OpenMenuOf(processId) == nullptr && !InMenuMode(window); });
}

void ClickControl(HWND window, int control)
{
    const POINT centre = ControlCentre(window, control);
    // The press must reach the control's window: a window the display does not show yet takes no input, and a
    // tooltip left over from where the cursor rested may lie over the control's centre until the cursor moves.
    WaitUntil([&] {
        MoveMouseTo(centre);
        return GetAncestor(WindowFromPoint(centre), GA_ROOT) == window;
    });
    ClickAt(centre);
}

std::string SettingsFilePath()
{
    return AppDataFolder() + "Tessaro\\Tessaro.prefs";
}

std::string SettingsFileText(int showGuide, int onTop, int tooltips, const RECT& mainFrame, const RECT& rulerFrame,
                             int measureUnit, int edgeTolerance)
{
    const struct {
        const char* key;
        long value;
    } lines[] = {
        {"ShowShortGuide", showGuide},
        {"MainWindowOnTop", onTop},
        {"ShowTooltips", tooltips},
        {"MainWindowPosX", mainFrame.left},
        {"MainWindowPosY", mainFrame.top},
        {"RulerWindowPosX", rulerFrame.left},
        {"RulerWindowPosY", rulerFrame.top},
        {"RulerWindowWidth", rulerFrame.right - rulerFrame.left},
        {"RulerWindowHeight", rulerFrame.bottom - rulerFrame.top},
        {"MeasureUnit", measureUnit},
        {"EdgeTolerance", edgeTolerance},
    };
    std::string text;
    for (const auto& line : lines)
        text += std::string(line.key) + " = " + std::to_string(line.value) + "\r\n";
    return text;
}

bool WriteSettingsFile(const std::string& bytes)
{
    CreateDirectoryA((AppDataFolder() + "Tessaro").c_str(), nullptr);
    return WriteBytes(SettingsFilePath(), bytes);
}

std::wstring UserRegistryData(const std::string& key, const std::string& value, DWORD* type)
{
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_QUERY_VALUE, &handle) != ERROR_SUCCESS)
        return L"<missing>";
    // The wide form, unlike the ANSI one, hands out the data as stored, without adding a missing terminating zero.
    std::wstring data(2048, L'\0');
    DWORD size = static_cast<DWORD>(data.size() * sizeof(wchar_t));
    const std::wstring name(value.begin(), value.end());
    const LSTATUS status =
        RegQueryValueExW(handle, name.c_str(), nullptr, type, reinterpret_cast<BYTE*>(data.data()), &size);
    RegCloseKey(handle);
    if (status != ERROR_SUCCESS)
        return L"<missing>";
    data.resize(size / sizeof(wchar_t));
    return data;
}

std::string ArtifactFolder()
{
    const std::string folder = TESSARO_ARTIFACTS_DIR "\\";
    CreateDirectoryA(TESSARO_ARTIFACTS_DIR, nullptr);
    return folder;
}

ScreenArea WholeScreen()
{
    return ScreenArea(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
}

bool SaveScreenBitmap(const std::string& path)
{
    return WholeScreen().Save(path);
}

bool WaitForStillScreen()
{
    constexpr auto Interval = std::chrono::milliseconds(250);
    ScreenArea last(0, 0, 0, 0);
    auto lastTime = std::chrono::steady_clock::now() - Interval;
    return WaitUntil([&] {
        if (std::chrono::steady_clock::now() - lastTime < Interval)
            return false;
        ScreenArea now = WholeScreen();
        const bool still = now.valid && now.pixels == last.pixels;
        last = std::move(now);
        lastTime = std::chrono::steady_clock::now();
        return still;
    });
}

COLORREF ScreenPixel(POINT point)
{
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

void ProgramTest::SetUp()
{
    StopAllTessaros();
    DeleteFileA(SettingsFilePath().c_str());
    RegDeleteTreeA(HKEY_CURRENT_USER, ProgramRegistryKey);
    ASSERT_FALSE(FileExists(SettingsFilePath())) << "a settings file of an earlier run could not be removed";
}

void ProgramTest::TearDown()
{
    StopProgram(program);
    StopAllTessaros();
}

testing::AssertionResult ProgramTest::Start(const std::string& exe)
{
    program = StartProgram(exe);
    if (!program.process)
        return testing::AssertionFailure() << "the program could not be started";
    // The size origin label gets its "1" as the last step of building the ruler.
    if (WaitUntil([&] {
            main = MainWindowOf(program.processId);
            ruler = RulerWindowOf(program.processId);
            return main && ruler && ControlText(main, SizeOriginLabel) == "1";
        }))
        return testing::AssertionSuccess();
    const DWORD exitCode = WaitForExit(program, std::chrono::milliseconds(0));
    return testing::AssertionFailure() << "the main window and the ruler did not appear; "
                                       << (exitCode == STILL_ACTIVE ? "the program runs"
                                                                    : "exit code " + std::to_string(exitCode))
                                       << ", its windows:\n"
                                       << DescribeWindowsOf(program.processId);
}

bool ProgramTest::WaitForRebuiltWindows()
{
    const HWND oldMain = main, oldRuler = ruler;
    return WaitUntil([&] {
        main = MainWindowOf(program.processId);
        ruler = RulerWindowOf(program.processId);
        return !IsWindow(oldMain) && !IsWindow(oldRuler) && main && ruler && ControlText(main, SizeOriginLabel) == "1";
    });
}

bool ProgramTest::WaitUntilTakingInput()
{
    return OpenMenu(program.processId, main, L'D') && CloseMenu(program.processId, main);
}

DWORD ProgramTest::QuitThroughMenu()
{
    PickMenuItem(program.processId, main, L'D', L'B',
                 [&] { return WaitForExit(program, std::chrono::milliseconds(0)) != STILL_ACTIVE; });
    return WaitForExit(program);
}
