#include "monitor_layout.h"

#include <algorithm>

#include "e2e_support.h"

namespace {

// The layouts fit the display of the several-monitor prefix (cmake/wine-run.sh with TESSARO_XINERAMA): one X screen
// of 3200 x 1080.
constexpr int MaxMonitors = 3;

std::vector<RECT> SeenMonitors()
{
    std::vector<RECT> seen;
    EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR handle, HDC, LPRECT, LPARAM data) -> BOOL {
            MONITORINFO info{};
            info.cbSize = sizeof(info);
            GetMonitorInfoA(handle, &info);
            auto* list = reinterpret_cast<std::vector<RECT>*>(data);
            // The primary monitor first, as the layouts list it.
            list->insert(info.dwFlags & MONITORINFOF_PRIMARY ? list->begin() : list->end(), info.rcMonitor);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&seen));
    return seen;
}

bool Same(const std::vector<RECT>& a, const std::vector<RECT>& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](const RECT& x, const RECT& y) { return EqualRect(&x, &y) != FALSE; });
}

} // namespace

const MonitorLayout ShorterMonitorRight = {{0, 0, 1920, 1080}, {1920, 0, 3200, 720}};
const MonitorLayout EvenMonitorRight = {{0, 0, 1920, 1080}, {1920, 0, 3200, 1080}};
const MonitorLayout MonitorLeft = {{0, 0, 1920, 1080}, {-1280, 0, 0, 1024}};
const MonitorLayout PrimaryAlone = {{0, 0, 1920, 1080}};

bool CanSplitDisplay()
{
    return GetEnvironmentVariableA("TESSARO_XINERAMA", nullptr, 0) > 0 &&
           GetFileAttributesA("/usr/bin/xrandr") != INVALID_FILE_ATTRIBUTES;
}

bool UseMonitors(const MonitorLayout& layout)
{
    // The layouts start at X's left edge: the monitor furthest left stands at the X screen's origin.
    LONG left = 0;
    for (const RECT& m : layout)
        left = std::min(left, m.left);
    std::string commands;
    for (int i = 0; i < MaxMonitors; ++i)
        commands += "xrandr --delmonitor Tessaro" + std::to_string(i) + " 2>/dev/null; ";
    for (size_t i = 0; i < layout.size(); ++i) {
        const RECT& m = layout[i];
        const LONG w = m.right - m.left, h = m.bottom - m.top;
        // The first monitor takes the X screen's one output, which hides the monitor X makes of that output; Xinerama
        // lists the monitors in this order, and Wine takes the first for the primary.
        commands += "xrandr --setmonitor Tessaro" + std::to_string(i) + " " + std::to_string(w) + "/" +
                    std::to_string(w / 4) + "x" + std::to_string(h) + "/" + std::to_string(h / 4) + "+" +
                    std::to_string(m.left - left) + "+" + std::to_string(m.top) + (i == 0 ? " screen" : " none") +
                    " >/dev/null; ";
    }
    // One shell runs the commands in order and then starts the process that makes Wine read the layout, so that it
    // starts when the layout is complete. Wine does not wait for the end of a Linux program it starts: this process
    // waits until it sees the layout, and the whole is done again when it does not.
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, sizeof(self));
    std::string program = self;
    std::replace(program.begin(), program.end(), '\\', '/');
    // Wine keeps its loader's path from Linux programs it starts; the one cmake/wine-run.sh prefers comes first.
    commands += "w=/usr/lib/wine/wine64; [ -x $w ] || w=wine; $w '" + program + "' " + ReReadDisplaysArgument;
    return WaitUntil([&] {
        RunToEnd("/bin/sh -c \"" + commands + "\"", 20000);
        return WaitUntil([&] { return Same(SeenMonitors(), layout); }, std::chrono::seconds(5));
    });
}

std::string DescribeMonitors()
{
    std::string text;
    for (const RECT& m : SeenMonitors())
        text += "(" + std::to_string(m.left) + "," + std::to_string(m.top) + ")-(" + std::to_string(m.right) + "," +
                std::to_string(m.bottom) + ") ";
    return text;
}

int ReReadDisplays()
{
    return ChangeDisplaySettingsExA(nullptr, nullptr, nullptr, 0, nullptr) == DISP_CHANGE_SUCCESSFUL ? 0 : 1;
}
