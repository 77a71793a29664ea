#include "core/ruler_drag.h"

#include "core/app_state.h"
#include "core/desktop_geometry.h"
#include "core/drag_zones.h"
#include "core/object_ids.h"
#include "core/screen_measure.h"
#include "measure/corner_probe.h"
#include "measure/window_at_point.h"
#include "toolkit/tk_services.h"
#include "toolkit/tk_windows.h"
#include "windows/main_window.h"
#include "windows/ruler_window.h"

namespace {

TkRect FromRect(const RECT& r)
{
    return {static_cast<int32_t>(r.left), static_cast<int32_t>(r.top), static_cast<int32_t>(r.right),
            static_cast<int32_t>(r.bottom)};
}

void ToRect(const TkRect& from, RECT& r)
{
    r = {from.left, from.top, from.right, from.bottom};
}

// After a drag the corner is read once more, when a desktop that composes its picture from the windows' images shows
// the ruler at its last place: a few frames after the drag's end. Reading at once could still see the ruler's own
// tint at the corner.
constexpr UINT_PTR SettledProbeTimer = 1;
constexpr UINT SettledProbeDelay = 50; // milliseconds
// A mouse may send a thousand steps a second, and the move loop waits for each: a step shows the ruler's geometry
// at once and leaves the screen probe and the painting to this timer, which runs once per frame of the display.
constexpr UINT_PTR FrameProbeTimer = 2;

// While the move loop runs it has the mouse captured, and the ruler lets the hit test through: the frames' question
// for the window under the corner then passes it without the ruler's style being changed there and back on every
// frame. Only what the drag added is taken away.
void MakeRulerClickThrough(HWND window, bool clickThrough)
{
    RulerDragState& drag = App().rulerDrag;
    if (clickThrough)
        drag.clickThrough = LetHitTestsThrough(window, true);
    else if (drag.clickThrough)
        drag.clickThrough = !LetHitTestsThrough(window, false);
}

// Lays the ruler out when its size may have changed and measures it where it stands.
void MeasureRuler(bool sized)
{
    TkHoldControlPainting(1);
    if (sized)
        LayoutRuler();
    ProbeRulerCorner(); // paints what changed, the ruler's labels too
    TkHoldControlPainting(0);
}

void ShowFrame(HWND window)
{
    RulerDragState& drag = App().rulerDrag;
    KillTimer(window, FrameProbeTimer);
    drag.framePending = false;
    ShowRulerFrame(drag.corner);
}

// One applied drag step: the layout and the edge and size fields now, unpainted; the rest with the next frame.
void FollowRulerStep(HWND window, bool sized)
{
    TkHoldControlPainting(1);
    if (sized)
        LayoutRuler();
    RulerDragState& drag = App().rulerDrag;
    MeasureRulerGeometry(drag.corner);
    TkHoldControlPainting(0);
    // The system posts the timer's message only when no other message waits (on Windows it is the lowest of the
    // queue): while steps keep coming, a frame two frames late is shown by the step.
    if (drag.framePending) {
        if (GetTickCount64() - drag.frameArmed >= 2 * drag.frameInterval)
            ShowFrame(window);
        return;
    }
    drag.frameArmed = GetTickCount64();
    drag.framePending = SetTimer(window, FrameProbeTimer, drag.frameInterval, nullptr) != 0;
    if (!drag.framePending)
        ShowFrame(window); // no timer to be had: this step shows its frame itself
}

void BeginDrag(HWND window)
{
    RulerDragState& drag = App().rulerDrag;
    // A probe still due from the last drag would measure inside this one.
    KillTimer(window, SettledProbeTimer);
    drag.settledProbePending = false;
    drag.running = true;
    drag.corner = SelectedCorner();
    drag.factsWindow = 0;
    const unsigned rate = static_cast<unsigned>(TkWindowRefreshRate(RulerWindow));
    drag.frameInterval = (1000 + rate - 1) / rate;
    MakeRulerClickThrough(window, true);
}

void EndDrag(HWND window)
{
    RulerDragState& drag = App().rulerDrag;
    drag.running = false;
    MakeRulerClickThrough(window, false);
    // A frame still due would show the corner of the drag after a click may have chosen another; the settled probe
    // shows all.
    KillTimer(window, FrameProbeTimer);
    drag.framePending = false;
    // The drag has ended; the screen shows the ruler's last place only with a later composed frame.
    drag.settledProbePending = SetTimer(window, SettledProbeTimer, SettledProbeDelay, nullptr) != 0;
}

} // namespace

void StartRulerDrag()
{
    const AppState& app = App();
    // The press counts when the last toolkit event came from the ruler or its centre symbol.
    if (app.eventWindow != RulerWindow && app.eventControl != RulerCentreImage)
        return;
    const int x = TkWindowMouseX(RulerWindow), y = TkWindowMouseY(RulerWindow);
    if (x < 0 || y < 0)
        return;
    const RulerHit hit = RulerHitAt(x, y, TkWindowWidth(RulerWindow), TkWindowHeight(RulerWindow));
    // The system's move or size loop runs until the button is released; the callback sees every step.
    SendMessageA(TkWindowHandle(RulerWindow), WM_NCLBUTTONDOWN, static_cast<WPARAM>(hit), 0);
}

void BeginRulerNudge()
{
    App().rulerDrag.nudging = true;
}

void EndRulerNudge()
{
    App().rulerDrag.nudging = false;
}

bool RulerProbeDue()
{
    const RulerDragState& drag = App().rulerDrag;
    return drag.framePending || drag.settledProbePending;
}

bool DragKnowsWindowFacts(uintptr_t window)
{
    RulerDragState& drag = App().rulerDrag;
    if (drag.running && window && window == drag.factsWindow)
        return true;
    drag.factsWindow = drag.running ? window : 0;
    return false;
}

LRESULT RulerWindowCallback(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    AppState& app = App();
    RulerDragState& drag = app.rulerDrag;
    // The toolkit hands the callback the messages of the ruler's container (the peephole) too.
    if (window != TkWindowHandle(RulerWindow))
        return CallbackDefault;
    switch (message) {
    case WM_SIZING:
    case WM_MOVING: {
        // The system sends these before it applies the rectangle: a drag step is measured once the ruler stands
        // there (WM_WINDOWPOSCHANGED). A nudge's notification comes after its move and measures for it.
        auto* rect = reinterpret_cast<RECT*>(lParam);
        TkRect held = FromRect(*rect);
        // Held to the monitors the ruler would stand on: it passes from one to the next, stops at an edge beyond
        // which no monitor lies, and comes back out of a gap between monitors.
        const TkRect screen{app.screenLeft, app.screenTop, app.screenRight, app.screenBottom};
        const TkRect limits = DragLimits(held, app.monitors, screen);
        if (message == WM_SIZING)
            ConstrainSizing(held, static_cast<int>(wParam), limits.right, limits.bottom);
        else
            ConstrainMoving(held, limits);
        ToRect(held, *rect);
        if (drag.nudging)
            MeasureRuler(message == WM_SIZING);
        break;
    }
    case WM_WINDOWPOSCHANGED: {
        // Every applied step of a drag, and the one move at its end when windows are not shown while dragged.
        const UINT flags = reinterpret_cast<const WINDOWPOS*>(lParam)->flags;
        // Outside a drag (the system placing the ruler, the one move at the end of a drag without its contents
        // shown) it measures at once.
        if (drag.nudging || (flags & (SWP_NOMOVE | SWP_NOSIZE)) == (SWP_NOMOVE | SWP_NOSIZE))
            break;
        if (drag.running)
            FollowRulerStep(window, (flags & SWP_NOSIZE) == 0);
        else
            MeasureRuler((flags & SWP_NOSIZE) == 0);
        break;
    }
    case WM_ENTERSIZEMOVE: BeginDrag(window); break;
    case WM_EXITSIZEMOVE: EndDrag(window); break;
    case WM_TIMER:
        if (wParam == FrameProbeTimer) {
            ShowFrame(window);
            return 0;
        }
        if (wParam != SettledProbeTimer)
            break;
        KillTimer(window, SettledProbeTimer);
        drag.settledProbePending = false;
        MeasureRuler(true);
        return 0;
    case WM_DISPLAYCHANGE:
        // The move loop keeps the event loop, and with it the display change's event, waiting until the drag ends:
        // the monitors, and so the drag's limits and the range labels, follow at once.
        if (drag.running) {
            MeasureScreen();
            ShowScreenRanges();
        }
        break;
    case WM_DESTROY:
        drag = {}; // the window's timers end with it
        break;
    case WM_GETDPISCALEDSIZE:
        // The ruler measures physical pixels: moved onto a display of another scale it keeps its size in pixels.
        reinterpret_cast<SIZE*>(lParam)->cx = TkWindowWidth(RulerWindow);
        reinterpret_cast<SIZE*>(lParam)->cy = TkWindowHeight(RulerWindow);
        return TRUE;
    }
    return CallbackDefault;
}
