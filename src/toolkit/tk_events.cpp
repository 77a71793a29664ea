// The event wait: toolkit events queued by the window procedure come first, then the native messages, which are
// translated by the active window's shortcuts or dispatched, and returned by their message number.
#include "toolkit/tk_internal.h"

namespace {

int TakeEvent()
{
    TkShared& shared = TkSharedState();
    const TkEvent event = shared.events.front();
    shared.events.pop_front();
    // An event of no window keeps the last window's, as a raw message does.
    if (event.window >= 0) {
        shared.lastWindow = event.window;
        shared.lastObject = event.object;
    }
    shared.lastType = event.type;
    return event.code;
}

void TranslateAndDispatch(MSG& message)
{
    const HWND active = GetActiveWindow();
    const TkWindowRecord* window = TkFindWindowByHandle(active);
    if (window && window->accelerators && TranslateAcceleratorA(active, window->accelerators, &message))
        return;
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

} // namespace

void TkQueueEvent(int code, int window, int object, int type)
{
    TkShared& shared = TkSharedState();
    shared.events.push_back({code, window, object, type});
    if (!shared.wakePosted && shared.messageWindow)
        shared.wakePosted = PostMessageA(shared.messageWindow, TkWakeMessage, 0, 0) != 0;
}

bool TkEventQueued(int code)
{
    for (const TkEvent& event : TkSharedState().events)
        if (event.code == code)
            return true;
    return false;
}

void TkClearEvents()
{
    TkShared& shared = TkSharedState();
    std::deque<TkEvent>().swap(shared.events);
    shared.wakePosted = false;
    shared.holdingMessage = false;
    shared.lastWindow = -1;
    shared.lastObject = 0;
    shared.lastType = -1;
}

int TkWaitEvent()
{
    TkShared& shared = TkSharedState();
    if (!shared.events.empty())
        return TakeEvent();

    MSG message{};
    if (shared.holdingMessage) {
        message = shared.heldMessage;
        shared.holdingMessage = false;
    } else {
        for (;;) {
            if (GetMessageA(&message, nullptr, 0, 0) == -1)
                return 0;
            const bool wake = message.message == TkWakeMessage && message.hwnd && message.hwnd == shared.messageWindow;
            if (wake)
                shared.wakePosted = false;
            if (!shared.events.empty()) {
                // The events arose while GetMessageA delivered sent messages (activation by a click, another
                // thread's SendMessage): they happened before this message and are returned first.
                if (!wake) {
                    shared.heldMessage = message;
                    shared.holdingMessage = true;
                }
                return TakeEvent();
            }
            if (!wake)
                break;
        }
    }
    TranslateAndDispatch(message);
    shared.lastType = -1;
    return static_cast<int>(message.message);
}

int TkEventWindow()
{
    return TkSharedState().lastWindow;
}

int TkEventControl()
{
    return TkSharedState().lastObject;
}

int TkEventMenuItem()
{
    return TkSharedState().lastObject;
}

int TkEventType()
{
    return TkSharedState().lastType;
}
