#include "input.h"

#include <algorithm>
#include <iterator>

#include "waits.h"

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

void MoveMouseTo(POINT point)
{
    SendInputs({MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, point)});
    WaitUntil(
        [&] {
            POINT now{};
            return GetCursorPos(&now) && now.x == point.x && now.y == point.y;
        },
        std::chrono::seconds(5));
}

void ClickAt(POINT point)
{
    MoveMouseTo(point);
    SendInputs({MouseInput(MOUSEEVENTF_LEFTDOWN)});
    SendInputs({MouseInput(MOUSEEVENTF_LEFTUP)});
}

void DoubleClickAt(POINT point)
{
    ClickAt(point);
    ClickAt(point);
}

void DragMouse(POINT from, POINT to)
{
    MoveMouseTo(from);
    SendInputs({MouseInput(MOUSEEVENTF_LEFTDOWN)});
    // Through a point on the way, as a hand moves, so that the system's move loop sees motion.
    MoveMouseTo({(from.x + to.x) / 2, (from.y + to.y) / 2});
    MoveMouseTo(to);
    SendInputs({MouseInput(MOUSEEVENTF_LEFTUP)});
}
