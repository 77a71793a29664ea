#include <windows.h>

#include <vector>

#include "toolkit/tk_services.h"
#include "toolkit/tk_windows.h"

namespace {

std::vector<TkMonitor> gMonitors;

// The desktop's rectangle of the device's monitor. A device's mode gives it too, but under Wine only for the primary
// device: there the others report a mode of 0 x 0 at (0, 0) while their monitors stand elsewhere.
bool ReadMonitorRect(const char* deviceName, TkMonitor& monitor)
{
    struct Search {
        const char* deviceName;
        RECT rect;
        bool found;
    } search{deviceName, {}, false};
    EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR handle, HDC, LPRECT, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            MONITORINFOEXA info{};
            info.cbSize = sizeof(info);
            if (!GetMonitorInfoA(handle, &info) || lstrcmpiA(info.szDevice, s->deviceName) != 0)
                return TRUE;
            s->rect = info.rcMonitor;
            s->found = true;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    if (!search.found || search.rect.right <= search.rect.left || search.rect.bottom <= search.rect.top)
        return false;
    monitor.left = search.rect.left;
    monitor.top = search.rect.top;
    monitor.width = search.rect.right - search.rect.left;
    monitor.height = search.rect.bottom - search.rect.top;
    return true;
}

bool ReadMode(const char* deviceName, TkMonitor& monitor)
{
    DEVMODEA mode{};
    mode.dmSize = sizeof(mode);
    if (!EnumDisplaySettingsA(deviceName, ENUM_CURRENT_SETTINGS, &mode))
        return false;
    monitor.width = static_cast<int32_t>(mode.dmPelsWidth);
    monitor.height = static_cast<int32_t>(mode.dmPelsHeight);
    monitor.bitsPerPixel = static_cast<int32_t>(mode.dmBitsPerPel);
    monitor.refreshRate = static_cast<int32_t>(mode.dmDisplayFrequency);
    if (mode.dmFields & DM_POSITION) {
        monitor.left = mode.dmPosition.x;
        monitor.top = mode.dmPosition.y;
    }
    return true;
}

} // namespace

int TkExamineMonitors()
{
    gMonitors.clear();
    DISPLAY_DEVICEA device{};
    device.cb = sizeof(device);
    bool listed = false;
    for (DWORD i = 0; EnumDisplayDevicesA(nullptr, i, &device, 0); ++i, device.cb = sizeof(device)) {
        listed = true;
        if (!(device.StateFlags & DISPLAY_DEVICE_ATTACHED_TO_DESKTOP))
            continue;
        TkMonitor monitor;
        monitor.deviceName = device.DeviceName;
        if (!ReadMode(device.DeviceName, monitor))
            continue;
        ReadMonitorRect(device.DeviceName, monitor);
        if (device.StateFlags & DISPLAY_DEVICE_PRIMARY_DEVICE)
            gMonitors.insert(gMonitors.begin(), monitor);
        else
            gMonitors.push_back(monitor);
    }
    if (!listed) {
        // No device list: one entry for the whole screen.
        TkMonitor monitor;
        monitor.width = GetSystemMetrics(SM_CXSCREEN);
        monitor.height = GetSystemMetrics(SM_CYSCREEN);
        if (HDC screen = GetDC(nullptr)) {
            monitor.bitsPerPixel = GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES);
            monitor.refreshRate = GetDeviceCaps(screen, VREFRESH);
            ReleaseDC(nullptr, screen);
        }
        if (monitor.width > 0 && monitor.height > 0)
            gMonitors.push_back(monitor);
    }
    return static_cast<int>(gMonitors.size());
}

int TkMonitorCount()
{
    return static_cast<int>(gMonitors.size());
}

const TkMonitor* TkMonitorAt(int index)
{
    if (index < 0 || index >= TkMonitorCount())
        return nullptr;
    return &gMonitors[static_cast<size_t>(index)];
}

int TkWindowRefreshRate(int window)
{
    MONITORINFOEXA info{};
    info.cbSize = sizeof(info);
    TkMonitor monitor;
    // 0 and 1 stand for the display hardware's default rate.
    if (GetMonitorInfoA(MonitorFromWindow(TkWindowHandle(window), MONITOR_DEFAULTTOPRIMARY), &info) &&
        ReadMode(info.szDevice, monitor) && monitor.refreshRate > 1)
        return monitor.refreshRate;
    return 60;
}
