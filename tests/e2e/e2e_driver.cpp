#include "e2e_driver.h"

#include <commctrl.h>

#include <fstream>
#include <iterator>

#include "core/object_ids.h"

namespace {

struct ClassSearch {
    DWORD processId;
    const std::string* className; // null: any class
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<ClassSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[256] = {};
    GetClassNameA(window, className, sizeof(className));
    if (owner == search->processId && (!search->className || *search->className == className))
        search->found.push_back(window);
    return TRUE;
}

struct TitleSearch {
    DWORD processId;
    const char* title;
    HWND found;
};

BOOL CALLBACK MatchTitleButNotMessageBox(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<TitleSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window))
        return TRUE;
    char text[256] = {}, className[256] = {};
    GetWindowTextA(window, text, sizeof(text));
    GetClassNameA(window, className, sizeof(className));
    if (std::string(text) == search->title && std::string(className) != "#32770") {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

INPUT KeyInput(WORD key, bool release)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
    // The arrow keys are extended keys; without the flag they would arrive as the number pad's keys.
    if (key == VK_UP || key == VK_DOWN || key == VK_LEFT || key == VK_RIGHT)
        input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
    return input;
}

void Send(std::vector<INPUT> inputs)
{
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void SendMouseButton(DWORD flags)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    Send({input});
}

// Moves the mouse as a hand does, with a motion event, and waits until the cursor stands there.
void MoveMouseTo(POINT point)
{
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input{};
    input.type = INPUT_MOUSE;
    // Absolute coordinates run from 0 to 65535 across the screen; the smallest value that lands on the pixel.
    input.mi.dx = static_cast<LONG>((static_cast<long long>(point.x) * 65536 + width - 1) / width);
    input.mi.dy = static_cast<LONG>((static_cast<long long>(point.y) * 65536 + height - 1) / height);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    Send({input});
    WaitUntil(
        [&] {
            POINT now{};
            GetCursorPos(&now);
            return now.x == point.x && now.y == point.y;
        },
        std::chrono::seconds(2));
}

} // namespace

HWND MainWindowOf(DWORD processId)
{
    TitleSearch search{processId, "Tessaro", nullptr};
    EnumWindows(MatchTitleButNotMessageBox, reinterpret_cast<LPARAM>(&search));
    return search.found;
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

std::string DescribeWindowsOf(DWORD processId)
{
    ClassSearch search{processId, nullptr, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    std::string text;
    for (HWND window : search.found) {
        if (!IsWindowVisible(window))
            continue;
        char title[256] = {}, className[256] = {};
        GetWindowTextA(window, title, sizeof(title));
        GetClassNameA(window, className, sizeof(className));
        text += std::string(className) + " '" + title + "'\n";
    }
    return text;
}

bool InMenuMode(HWND window)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info))
        return false;
    return (info.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE | GUI_SYSTEMMENUMODE)) != 0;
}

std::vector<HWND> TopLevelWindowsOf(DWORD processId, const std::string& className)
{
    ClassSearch search{processId, &className, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
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
    RECT rect = WindowRect(GetDlgItem(window, control));
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
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

bool BringToFront(HWND window)
{
    SetForegroundWindow(window);
    return WaitUntil([&] { return GetForegroundWindow() == window; }, std::chrono::seconds(5));
}

void PressKey(WORD key, std::initializer_list<WORD> modifiers)
{
    std::vector<INPUT> inputs;
    for (WORD modifier : modifiers)
        inputs.push_back(KeyInput(modifier, false));
    inputs.push_back(KeyInput(key, false));
    inputs.push_back(KeyInput(key, true));
    for (auto modifier = std::rbegin(modifiers); modifier != std::rend(modifiers); ++modifier)
        inputs.push_back(KeyInput(*modifier, true));
    Send(inputs);
}

void TypeCharacter(wchar_t character)
{
    INPUT down{};
    down.type = INPUT_KEYBOARD;
    down.ki.wScan = character;
    down.ki.dwFlags = KEYEVENTF_UNICODE;
    INPUT up = down;
    up.ki.dwFlags |= KEYEVENTF_KEYUP;
    Send({down, up});
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
    return WaitUntil([&] {
        if (!OpenMenu(processId, window, menuKey))
            return false;
        TypeCharacter(itemKey);
        return WaitUntil(picked, std::chrono::seconds(5));
    });
}

bool CloseMenu(DWORD processId, HWND window)
{
    // The first Escape closes the menu, the second leaves the menu bar, which would otherwise take the next key
    // or swallow the next click.
    PressKey(VK_ESCAPE);
    PressKey(VK_ESCAPE);
    return WaitUntil([&] { return OpenMenuOf(processId) == nullptr && !InMenuMode(window); });
}

void ClickAt(POINT point)
{
    MoveMouseTo(point);
    SendMouseButton(MOUSEEVENTF_LEFTDOWN);
    SendMouseButton(MOUSEEVENTF_LEFTUP);
}

void DragMouse(POINT from, POINT to)
{
    MoveMouseTo(from);
    SendMouseButton(MOUSEEVENTF_LEFTDOWN);
    // Through a point on the way, as a hand moves, so that the system's move loop sees motion.
    MoveMouseTo({(from.x + to.x) / 2, (from.y + to.y) / 2});
    MoveMouseTo(to);
    SendMouseButton(MOUSEEVENTF_LEFTUP);
}

void DoubleClickAt(POINT point)
{
    ClickAt(point);
    ClickAt(point);
}

void ClickControl(HWND window, int control)
{
    const RECT rect = WindowRect(GetDlgItem(window, control));
    ClickAt({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
}

std::string SettingsFilePath()
{
    return AppDataFolder() + "Tessaro\\Tessaro.prefs";
}

std::string SettingsFileText(int showGuide, int onTop, int tooltips, const RECT& mainFrame, const RECT& rulerFrame)
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
    };
    std::string text;
    for (const auto& line : lines)
        text += std::string(line.key) + " = " + std::to_string(line.value) + "\r\n";
    return text;
}

bool FileExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ReadBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return "<missing>";
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

bool WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
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

namespace {

struct ScreenCapture {
    BITMAPINFOHEADER header{};
    std::string rows; // bottom-up, 24 bits per pixel, as a BMP file stores them
};

bool CaptureScreen(ScreenCapture& capture)
{
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    BITMAPINFOHEADER& header = capture.header;
    header = {};
    header.biSize = sizeof(header);
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = static_cast<DWORD>(((width * 3 + 3) & ~3) * height);

    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP bitmap =
        CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits, nullptr, 0);
    bool copied = false;
    if (bitmap) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        copied = BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY | CAPTUREBLT) != FALSE;
        SelectObject(memory, old);
        GdiFlush();
        if (copied)
            capture.rows.assign(static_cast<const char*>(bits), header.biSizeImage);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return copied;
}

} // namespace

bool SaveScreenBitmap(const std::string& path)
{
    ScreenCapture capture;
    if (!CaptureScreen(capture))
        return false;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    file.bfSize = file.bfOffBits + capture.header.biSizeImage;
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof(file));
    bytes.append(reinterpret_cast<const char*>(&capture.header), sizeof(capture.header));
    bytes += capture.rows;
    return WriteBytes(path, bytes);
}

bool WaitForStillScreen()
{
    constexpr auto Interval = std::chrono::milliseconds(250);
    ScreenCapture last;
    auto lastTime = std::chrono::steady_clock::now() - Interval;
    return WaitUntil([&] {
        if (std::chrono::steady_clock::now() - lastTime < Interval)
            return false;
        ScreenCapture now;
        if (!CaptureScreen(now))
            return false;
        const bool still = now.rows == last.rows;
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

testing::AssertionResult ProgramTest::Start()
{
    program = StartProgram(TESSARO_EXE);
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
