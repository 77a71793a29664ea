#include "tk_test_support.h"

#include <sstream>

std::string Describe(const Seen& seen)
{
    std::ostringstream text;
    for (const SeenEvent& e : seen)
        text << "{0x" << std::hex << e.code << std::dec << " window " << e.window << " control " << e.control
             << " type " << e.type << "}\n";
    return text.str();
}

int CountCode(const Seen& seen, int code)
{
    int count = 0;
    for (const SeenEvent& e : seen)
        count += e.code == code;
    return count;
}

size_t IndexOf(const Seen& seen, int code, size_t from)
{
    for (size_t i = from; i < seen.size(); ++i) {
        if (seen[i].code == code)
            return i;
    }
    return seen.size();
}

const SeenEvent& Find(const Seen& seen, int code, size_t from)
{
    static const SeenEvent missing{-1, -2, -2, -2};
    const size_t at = IndexOf(seen, code, from);
    if (at == seen.size()) {
        ADD_FAILURE() << "no event 0x" << std::hex << code << " in\n" << Describe(seen);
        return missing;
    }
    return seen[at];
}

Seen PumpUntil(const std::function<bool(const SeenEvent&)>& done, DWORD timeoutMs)
{
    Seen seen;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, nullptr);
    const DWORD start = GetTickCount();
    do {
        const int code = TkWaitEvent();
        seen.push_back({code, TkEventWindow(), TkEventControl(), TkEventType()});
    } while (!done(seen.back()) && GetTickCount() - start < timeoutMs);
    KillTimer(nullptr, timer);
    return seen;
}

Seen DrainPosted()
{
    constexpr int Marker = WM_APP + 0x3A5;
    PostThreadMessageA(GetCurrentThreadId(), Marker, 0, 0);
    Seen seen = PumpUntil([](const SeenEvent& e) { return e.code == Marker; });
    EXPECT_EQ(seen.back().code, Marker) << "the marker never came out";
    seen.pop_back();
    return seen;
}

namespace {

Seen SendAndPump(std::vector<INPUT>& inputs, int releaseCode, int releases)
{
    SendInputs(inputs);
    Seen seen = PumpUntil([&](const SeenEvent& e) { return e.code == releaseCode && --releases == 0; });
    const Seen rest = DrainPosted();
    seen.insert(seen.end(), rest.begin(), rest.end());
    return seen;
}

} // namespace

Seen ClickAndPump(HWND window, int x, int y, int clicks)
{
    POINT point{x, y};
    ClientToScreen(window, &point);
    std::vector<INPUT> inputs = {MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, point)};
    for (int i = 0; i < clicks; ++i) {
        for (DWORD button : {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP})
            inputs.push_back(MouseInput(button | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, point));
    }
    return SendAndPump(inputs, WM_LBUTTONUP, clicks);
}

namespace {

// Key presses; a modifier is held over the key after it. Returns how many WM_KEYUP messages they make.
int KeyInputs(std::initializer_list<WORD> keys, std::vector<INPUT>& inputs)
{
    int keyUps = 0;
    std::vector<WORD> held;
    for (WORD key : keys) {
        inputs.push_back(KeyInput(key, false));
        if (key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU) {
            held.push_back(key);
            continue;
        }
        inputs.push_back(KeyInput(key, true));
        for (WORD modifier : held)
            inputs.push_back(KeyInput(modifier, true));
        keyUps += 1 + static_cast<int>(held.size());
        held.clear();
    }
    return keyUps;
}

} // namespace

void SendKeys(std::initializer_list<WORD> keys)
{
    std::vector<INPUT> inputs;
    KeyInputs(keys, inputs);
    SendInputs(inputs);
}

Seen TypeAndPump(std::initializer_list<WORD> keys)
{
    std::vector<INPUT> inputs;
    const int keyUps = KeyInputs(keys, inputs);
    return SendAndPump(inputs, WM_KEYUP, keyUps);
}
