#include "core/screen_measure.h"

#include <windows.h>

#include <algorithm>

#include "core/app_state.h"
#include "core/desktop_geometry.h"
#include "core/object_ids.h"
#include "measure/monitor_pitch.h"
#include "measure/ruler_scales.h"
#include "toolkit/tk_services.h"
#include "toolkit/tk_windows.h"
#include "windows/main_window.h"
#include "windows/ruler_window.h"
#include "windows/window_placement.h"

bool MeasureScreen()
{
    if (TkExamineMonitors() == 0)
        return false;
    AppState& app = App();
    app.monitors.clear();
    app.monitorDevices.clear();
    for (int i = 0; i < TkMonitorCount(); ++i) {
        const TkMonitor* m = TkMonitorAt(i);
        if (m->width > 0 && m->height > 0) {
            app.monitors.push_back({m->left, m->top, m->left + m->width, m->top + m->height});
            app.monitorDevices.push_back(m->deviceName);
        }
    }
    ReadMonitorPitches();
    RECT clip{};
    HDC screen = GetDC(nullptr);
    GetClipBox(screen, &clip);
    ReleaseDC(nullptr, screen);
    // The screen's clip box is the box around the monitors; under Wine it still has the old size for a while after a
    // display change, when the monitors have their new places already.
    const TkRect box =
        app.monitors.empty() ? TkRect{clip.left, clip.top, clip.right, clip.bottom} : MonitorsBox(app.monitors);
    app.screenLeft = box.left;
    app.screenTop = box.top;
    app.screenRight = box.right;
    app.screenBottom = box.bottom;
    app.screenWidth = box.Width();
    app.screenHeight = box.Height();
    return true;
}

void FollowDisplayChange()
{
    AppState& app = App();
    // While a monitor is being switched the system may show none for a moment; the next change message follows.
    if (!MeasureScreen())
        return;
    // A drag measures the monitors as they change and leaves the rest to this, when it has ended.
    if (!RulerScalesFitScreen()) {
        // The ruler is no larger than the screen, as at start-up: its scales are as long as the screen.
        const int w = TkWindowWidth(RulerWindow), h = TkWindowHeight(RulerWindow);
        if (w > app.screenWidth || h > app.screenHeight)
            TkResizeWindow(RulerWindow, TkKeep, TkKeep, std::min(w, app.screenWidth), std::min(h, app.screenHeight));
        DrawRulerScales();
        ShowRulerScales();
    }
    ShowScreenRanges();
    BringWindowsOntoMonitors();
    MoveRulerStep(RulerWindow, SideLeft, 0);
}
