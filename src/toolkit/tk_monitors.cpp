#include <windows.h>

#include <vector>

#include "toolkit/tk_services.h"

namespace {

std::vector<TkMonitor> gMonitors;

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
