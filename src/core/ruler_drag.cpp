#include "core/ruler_drag.h"

#include "core/app_state.h"
#include "core/desktop_geometry.h"
#include "core/drag_zones.h"
#include "core/object_ids.h"
#include "measure/corner_probe.h"
#include "toolkit/tk_services.h"
#include "toolkit/tk_windows.h"
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

// While the move loop runs it has the mouse captured, and the ruler can be click-through: the frames' question for
// the window under the corner then passes through it (Wine's hit test does not pass through its key-coloured
// peephole) without the ruler's style being changed there and back on every frame. Only what was added is taken away.
void MakeRulerClickThrough(HWND window, bool clickThrough)
{
    AppState& app = App();
    const LONG_PTR style = GetWindowLongPtrA(window, GWL_EXSTYLE);
    if (clickThrough && (style & WS_EX_LAYERED) && !(style & WS_EX_TRANSPARENT)) {
        SetWindowLongPtrA(window, GWL_EXSTYLE, style | WS_EX_TRANSPARENT);
        app.rulerClickThrough = true;
    } else if (!clickThrough && app.rulerClickThrough) {
        SetWindowLongPtrA(window, GWL_EXSTYLE, style & ~static_cast<LONG_PTR>(WS_EX_TRANSPARENT));
        app.rulerClickThrough = false;
    }
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

// One applied drag step: the layout and the edge and size fields now, unpainted; the rest with the next frame.
void FollowRulerStep(HWND window, bool sized)
{
    TkHoldControlPainting(1);
    if (sized)
        LayoutRuler();
    AppState& app = App();
    MeasureRulerGeometry(app.dragCorner);
    TkHoldControlPainting(0);
    if (app.rulerFramePending)
        return;
    if (SetTimer(window, FrameProbeTimer, app.rulerFrameInterval, nullptr))
        app.rulerFramePending = true;
    else
        ShowRulerFrame(app.dragCorner); // no timer to be had: this step shows its frame itself
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

LRESULT RulerWindowCallback(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    AppState& app = App();
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
        if (app.nudgingRuler)
            MeasureRuler(message == WM_SIZING);
        break;
    }
    case WM_WINDOWPOSCHANGED: {
        // Every applied step of a drag, and the one move at its end when windows are not shown while dragged.
        const UINT flags = reinterpret_cast<const WINDOWPOS*>(lParam)->flags;
        // Outside a drag (the system placing the ruler, the one move at the end of a drag without its contents
        // shown) it measures at once.
        if (app.nudgingRuler || (flags & (SWP_NOMOVE | SWP_NOSIZE)) == (SWP_NOMOVE | SWP_NOSIZE))
            break;
        if (app.draggingRuler)
            FollowRulerStep(window, (flags & SWP_NOSIZE) == 0);
        else
            MeasureRuler((flags & SWP_NOSIZE) == 0);
        break;
    }
    case WM_ENTERSIZEMOVE: {
        app.draggingRuler = true;
        app.dragCorner = SelectedCorner();
        app.dragFactsWindow = 0;
        const unsigned rate = static_cast<unsigned>(TkWindowRefreshRate(RulerWindow));
        app.rulerFrameInterval = (1000 + rate - 1) / rate;
        MakeRulerClickThrough(window, true);
        break;
    }
    case WM_EXITSIZEMOVE:
        app.draggingRuler = false;
        MakeRulerClickThrough(window, false);
        // A frame still due would show the corner of the drag after a click may have chosen another; the settled
        // probe shows all.
        KillTimer(window, FrameProbeTimer);
        app.rulerFramePending = false;
        // The drag has ended; the screen shows the ruler's last place only with a later composed frame.
        SetTimer(window, SettledProbeTimer, SettledProbeDelay, nullptr);
        break;
    case WM_TIMER:
        if (wParam == FrameProbeTimer) {
            KillTimer(window, FrameProbeTimer);
            app.rulerFramePending = false;
            ShowRulerFrame(app.dragCorner);
            return 0;
        }
        if (wParam != SettledProbeTimer)
            break;
        KillTimer(window, SettledProbeTimer);
        MeasureRuler(true);
        return 0;
    case WM_GETDPISCALEDSIZE:
        // The ruler measures physical pixels: moved onto a display of another scale it keeps its size in pixels.
        reinterpret_cast<SIZE*>(lParam)->cx = TkWindowWidth(RulerWindow);
        reinterpret_cast<SIZE*>(lParam)->cy = TkWindowHeight(RulerWindow);
        return TRUE;
    }
    return CallbackDefault;
}
