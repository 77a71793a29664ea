#include "measure/monitor_pitch.h"

#include <windows.h>

#include <vector>

#include "core/app_state.h"
#include "core/desktop_geometry.h"
#include "core/object_ids.h"
#include "measure/edid.h"
#include "toolkit/tk_windows.h"
#include "windows/settings_keys.h"

namespace {

// The EDID of the monitor on the display device, found through the monitor's device interface and its registry
// key; empty when the system names no interface or keeps no EDID for it.
std::vector<uint8_t> ReadEdid(const std::string& displayDevice)
{
    DISPLAY_DEVICEA monitor{};
    monitor.cb = sizeof(monitor);
    if (!EnumDisplayDevicesA(displayDevice.c_str(), 0, &monitor, EDD_GET_DEVICE_INTERFACE_NAME))
        return {};
    const std::string key = EdidRegistryKey(monitor.DeviceID);
    if (key.empty())
        return {};
    std::vector<uint8_t> edid(512);
    DWORD size = static_cast<DWORD>(edid.size());
    if (RegGetValueA(HKEY_LOCAL_MACHINE, key.c_str(), "EDID", RRF_RT_REG_BINARY, nullptr, edid.data(), &size) !=
        ERROR_SUCCESS)
        return {};
    edid.resize(size);
    return edid;
}

// The size the system reports for the display device; on Windows often from the EDID or 96 dpi, under Wine always
// from the logical resolution: an estimate.
PixelPitch SystemPitch(const std::string& displayDevice, const TkRect& box)
{
    HDC dc = CreateDCA(nullptr, displayDevice.c_str(), nullptr, nullptr);
    if (!dc)
        return {};
    const int widthMm = GetDeviceCaps(dc, HORZSIZE), heightMm = GetDeviceCaps(dc, VERTSIZE);
    const int widthPixels = GetDeviceCaps(dc, HORZRES), heightPixels = GetDeviceCaps(dc, VERTRES);
    DeleteDC(dc);
    // The device's own resolution, which may differ from the monitor's box on a scaled desktop.
    const int w = widthPixels > 0 ? widthPixels : box.Width(), h = heightPixels > 0 ? heightPixels : box.Height();
    return PitchFromSize(w, h, widthMm, heightMm, PitchSource::System);
}

} // namespace

void ReadMonitorPitches()
{
    AppState& app = App();
    app.monitorNames.assign(app.monitors.size(), {});
    app.monitorPitches.assign(app.monitors.size(), {});
    for (size_t i = 0; i < app.monitors.size() && i < app.monitorDevices.size(); ++i) {
        const std::string& device = app.monitorDevices[i];
        const TkRect& box = app.monitors[i];
        const std::vector<uint8_t> edid = ReadEdid(device);
        const std::optional<EdidFacts> facts = ParseEdid(edid);
        app.monitorNames[i] = facts ? EdidMonitorName(*facts) : device;
        if (facts)
            app.monitorPitches[i] =
                PitchFromSize(box.Width(), box.Height(), facts->widthMm, facts->heightMm, PitchSource::Edid);
        if (!PitchKnown(app.monitorPitches[i]))
            app.monitorPitches[i] = SystemPitch(device, box);
    }
}

int RulerMonitor()
{
    const int x = TkWindowX(RulerWindow), y = TkWindowY(RulerWindow);
    return MostCoveringMonitor({x, y, x + TkWindowWidth(RulerWindow), y + TkWindowHeight(RulerWindow)}, App().monitors);
}

std::string MonitorName(int monitor)
{
    const AppState& app = App();
    return monitor >= 0 && static_cast<size_t>(monitor) < app.monitorNames.size() ? app.monitorNames[monitor] : "";
}

PixelPitch MonitorPitch(int monitor)
{
    const AppState& app = App();
    if (monitor < 0 || static_cast<size_t>(monitor) >= app.monitorPitches.size())
        return {};
    if (const double calibrated = CalibratedPitch(app.settings, app.monitorNames[monitor]); calibrated > 0)
        return {calibrated, calibrated, PitchSource::Calibration};
    return app.monitorPitches[monitor];
}
