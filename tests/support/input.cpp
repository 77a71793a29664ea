#include "input.h"

#include <algorithm>
#include <iterator>
#include <string>

namespace {

// Generous: a wait that ends early costs nothing, and a loaded machine may keep the program or Wine busy for seconds.
constexpr auto InputTimeout = std::chrono::seconds(20);

// Whether the left button is held by HoldMouseButton.
bool gButtonHeld = false;

bool RunningUnderWine()
{
    static const bool wine = GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
    return wine;
}

// Runs xdotool, a program of the Linux side (Wine starts Unix executables too), on the display.
void Xdotool(const std::string& arguments)
{
    RunToEnd("/usr/bin/xdotool " + arguments, 10000);
}

void ClickLeftButton()
{
    SendInputs({MouseInput(MOUSEEVENTF_LEFTDOWN)});
    SendInputs({MouseInput(MOUSEEVENTF_LEFTUP)});
}

} // namespace

INPUT KeyInput(WORD key, bool release)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
    // Without the flag the arrow keys would arrive as the number pad's keys.
    if (key == VK_UP || key == VK_DOWN || key == VK_LEFT || key == VK_RIGHT)
        input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
    return input;
}

INPUT MouseInput(DWORD flags, POINT point)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    if (flags & MOUSEEVENTF_ABSOLUTE) {
        // Absolute coordinates run from 0 to 65535 across all monitors; the smallest value that lands on the pixel.
        // (Wine may answer 0 for the screen's size for a moment; the move then misses instead of ending the tests.)
        input.mi.dwFlags |= MOUSEEVENTF_VIRTUALDESK;
        const long long left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
        const long long width = std::max(1, GetSystemMetrics(SM_CXVIRTUALSCREEN));
        const long long height = std::max(1, GetSystemMetrics(SM_CYVIRTUALSCREEN));
        input.mi.dx = static_cast<LONG>(((point.x - left) * 65536LL + width - 1) / width);
        input.mi.dy = static_cast<LONG>(((point.y - top) * 65536LL + height - 1) / height);
    }
    return input;
}

void SendInputs(std::vector<INPUT> inputs)
{
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void PressKey(WORD key, std::initializer_list<WORD> modifiers)
{
    std::vector<INPUT> inputs;
    for (WORD modifier : modifiers) {
        if (modifier)
            inputs.push_back(KeyInput(modifier, false));
    }
    inputs.push_back(KeyInput(key, false));
    inputs.push_back(KeyInput(key, true));
    for (auto modifier = std::rbegin(modifiers); modifier != std::rend(modifiers); ++modifier) {
        if (*modifier)
            inputs.push_back(KeyInput(*modifier, true));
    }
    SendInputs(inputs);
}

void TypeCharacter(wchar_t character)
{
    INPUT down{};
    down.type = INPUT_KEYBOARD;
    down.ki.wScan = character;
    down.ki.dwFlags = KEYEVENTF_UNICODE;
    INPUT up = down;
    up.ki.dwFlags |= KEYEVENTF_KEYUP;
    SendInputs({down, up});
}

bool BringToFront(HWND window, const std::function<void()>& pump)
{
    SetForegroundWindow(window);
    const bool ownThread = GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId();
    return WaitUntil([&] {
        pump();
        return GetForegroundWindow() == window && (!ownThread || GetActiveWindow() == window);
    });
}

void MoveMouseTo(POINT point)
{
    // Under Wine the display's pointer is a second cursor: when a window appears, disappears or moves under it, Wine
    // takes the pointer's place as the cursor position. So the display's pointer is always moved too. A drag is
    // driven by the display's pointer alone: while the system's move loop runs, Wine holds that pointer and would
    // refuse to follow an injected move, and the two would part.
    // The X screen's origin is the top-left corner of the box around all monitors.
    if (RunningUnderWine())
        Xdotool("mousemove --sync " + std::to_string(point.x - GetSystemMetrics(SM_XVIRTUALSCREEN)) + " " +
                std::to_string(point.y - GetSystemMetrics(SM_YVIRTUALSCREEN)));
    if (!RunningUnderWine() || !gButtonHeld)
        SendInputs({MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, point)});
    WaitUntil(
        [&] {
            POINT now{};
            return GetCursorPos(&now) && now.x == point.x && now.y == point.y;
        },
        InputTimeout);
}

void ClickAt(POINT point)
{
    MoveMouseTo(point);
    ClickLeftButton();
}

void DoubleClickAt(POINT point)
{
    MoveMouseTo(point);
    ClickLeftButton();
    ClickLeftButton();
}

void HoldMouseButton(bool held)
{
    // Under Wine on the display, for the system's move loop, which follows the display's pointer. That road to the
    // program is not the one of the input sent here: the wait for the system to have the button puts it before all
    // input sent after it.
    if (RunningUnderWine())
        Xdotool(held ? "mousedown 1" : "mouseup 1");
    else
        SendInputs({MouseInput(held ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP)});
    gButtonHeld = held;
    WaitUntil([&] { return ((GetAsyncKeyState(VK_LBUTTON) & 0x8000) != 0) == held; }, InputTimeout);
}

void DragMouse(POINT from, POINT to)
{
    MoveMouseTo(from);
    HoldMouseButton(true);
    // Through a point on the way, as a hand moves, so that the system's move loop sees motion.
    MoveMouseTo({(from.x + to.x) / 2, (from.y + to.y) / 2});
    MoveMouseTo(to);
    HoldMouseButton(false);
}
