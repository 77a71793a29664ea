#include "core/ruler_drag.h"

#include "core/app_state.h"
#include "core/desktop_geometry.h"
#include "core/drag_zones.h"
#include "core/object_ids.h"
#include "measure/corner_probe.h"
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

// Lays the ruler out when its size may have changed and measures it where it stands.
void MeasureRuler(bool sized)
{
    if (sized)
        LayoutRuler();
    ProbeRulerCorner();
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
    const AppState& app = App();
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
        if (!app.nudgingRuler && (flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE))
            MeasureRuler((flags & SWP_NOSIZE) == 0);
        break;
    }
    case WM_EXITSIZEMOVE:
        // The drag has ended; the screen shows the ruler's last place only with a later composed frame.
        SetTimer(window, SettledProbeTimer, SettledProbeDelay, nullptr);
        break;
    case WM_TIMER:
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
