// Real input, as a user's keyboard and mouse give it: through the system's input queue, and under Wine the mouse
// through the display's pointer too.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <vector>

#include "waits.h"

// A key's press or release with its scan code; the arrow keys as the extended keys they are.
INPUT KeyInput(WORD key, bool release);
// A mouse event; with MOUSEEVENTF_ABSOLUTE at that screen point.
INPUT MouseInput(DWORD flags, POINT point = {});
void SendInputs(std::vector<INPUT> inputs);

// Presses and releases a key while the modifiers (VK_SHIFT, VK_CONTROL, VK_MENU; 0 for none) are held.
void PressKey(WORD key, std::initializer_list<WORD> modifiers = {});
// Types one character, whatever key the keyboard layout has for it.
void TypeCharacter(wchar_t character);

// Makes the window the foreground window, as a click on its title bar would, and waits until the system agrees (and,
// for a window of this thread, until it is this thread's active window); pump lets this thread's windows handle their
// messages meanwhile.
bool BringToFront(HWND window, const std::function<void()>& pump = PumpMessages);

// Moves the mouse as a hand does, with a motion event, and waits until the cursor stands there.
void MoveMouseTo(POINT point);
// Moves the mouse to the screen point and clicks the left button there.
void ClickAt(POINT point);
// Two clicks in quick succession at the screen point.
void DoubleClickAt(POINT point);
// Presses the left button where the mouse stands and holds it (held), or releases it; the moves in between drag.
// Returns when the system has the button so.
void HoldMouseButton(bool held);
// Presses the left button at one screen point, moves the mouse to the other and releases it there.
void DragMouse(POINT from, POINT to);
