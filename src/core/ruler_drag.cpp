#include "core/ruler_drag.h"

#include "core/app_state.h"
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

LRESULT RulerWindowCallback(HWND, UINT message, WPARAM wParam, LPARAM lParam)
{
    const AppState& app = App();
    switch (message) {
    case WM_SIZING: {
        auto* rect = reinterpret_cast<RECT*>(lParam);
        TkRect held = FromRect(*rect);
        ConstrainSizing(held, static_cast<int>(wParam), app.screenRight, app.screenBottom);
        ToRect(held, *rect);
        LayoutRuler();
        ProbeRulerCorner();
        break;
    }
    case WM_MOVING: {
        auto* rect = reinterpret_cast<RECT*>(lParam);
        TkRect held = FromRect(*rect);
        ConstrainMoving(held, app.screenRight, app.screenBottom);
        ToRect(held, *rect);
        ProbeRulerCorner();
        break;
    }
    case WM_GETDPISCALEDSIZE:
        // The ruler measures physical pixels: moved onto a display of another scale it keeps its size in pixels.
        reinterpret_cast<SIZE*>(lParam)->cx = TkWindowWidth(RulerWindow);
        reinterpret_cast<SIZE*>(lParam)->cy = TkWindowHeight(RulerWindow);
        return TRUE;
    }
    return CallbackDefault;
}
