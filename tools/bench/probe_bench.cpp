// Measures the corner probe that runs on every drag step, over a window of another process, and the two ways of
// finding the task's file name it chooses between: the process's image path first, or the module snapshot alone.
// Usage: probe_bench [probes]. With --target it is the other process: a plain coloured window.
#include <cstdlib>
#include <string>

#include "bench_support.h"
#include "core/object_ids.h"
#include "measure/corner_probe.h"
#include "measure/magnifier.h"
#include "measure/window_at_point.h"
#include "program_windows.h"
#include "toolkit/tk_windows.h"
#include "windows/main_window.h"

namespace {

constexpr int TargetX = 300, TargetY = 250, TargetSize = 300;

int RunTarget()
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = CreateSolidBrush(RGB(200, 100, 50));
    windowClass.lpszClassName = "ProbeBenchTarget";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, "ProbeBenchTarget", "Probe target", WS_POPUP | WS_VISIBLE, TargetX, TargetY,
                                  TargetSize, TargetSize, nullptr, nullptr, windowClass.hInstance, nullptr);
    if (!window)
        return 1;
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        DispatchMessageA(&message);
    return 0;
}

PROCESS_INFORMATION StartTarget()
{
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string command = "\"" + std::string(self) + "\" --target";
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process);
    WaitUntil([] { return FindWindowA("ProbeBenchTarget", nullptr) != nullptr; }, std::chrono::seconds(10));
    return process;
}

void BuildWindows()
{
    BuildProgramWindows({0, 0, 1, 900, 10, TargetX + 50, TargetY + 50, 150, 100});
    TkSetControlState(CornerTopLeftOption, 1);
}

// Times each of runs calls of part (the whole probe or one part of it, to show where the time goes).
template <typename Part> std::vector<double> TimePart(int runs, Part part)
{
    std::vector<double> samples;
    for (int i = 0; i < runs; ++i) {
        const double start = NowMs();
        part();
        samples.push_back(NowMs() - start);
        if (i % 64 == 0)
            PumpMessages();
    }
    return samples;
}

std::string FieldText(int control)
{
    return TkGetControlText(control);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::string(argv[1]) == "--target")
        return RunTarget();
    const int probes = argc > 1 ? std::atoi(argv[1]) : 5000;
    PROCESS_INFORMATION target = StartTarget();
    BuildWindows();
    for (int i = 0; i < 20; ++i) {
        // Lets the windows settle, so that the probes measure the probe and not the first paints.
        PumpMessages();
        Sleep(10);
    }
    ProbeRulerCorner();
    std::printf("probe point shows: window \"%s\" class \"%s\" task \"%s\" colour %s (target process %lu)\n",
                FieldText(WindowNameField).c_str(), FieldText(WindowClassField).c_str(), FieldText(TaskField).c_str(),
                FieldText(RgbValueField).c_str(), target.dwProcessId);

    Report("ProbeRulerCorner, ruler still", TimePart(probes, ProbeRulerCorner));
    // A drag changes the edge fields on every step; moving the ruler a pixel before each probe does the same.
    int step = 0;
    std::vector<double> moving;
    for (int i = 0; i < probes / 5 + 1; ++i) {
        TkResizeWindow(RulerWindow, TkWindowX(RulerWindow) + ((++step / 20) % 2 ? -1 : 1), TkKeep, TkKeep, TkKeep);
        const double start = NowMs();
        ProbeRulerCorner();
        moving.push_back(NowMs() - start);
        if (i % 64 == 0)
            PumpMessages();
    }
    Report("ProbeRulerCorner, ruler one pixel further each time", moving);
    // What a drag step costs the user: the probe and the painting of the panel it changed.
    Report("ProbeRulerCorner + painting the panel", TimePart(probes / 5 + 1, [] {
               ProbeRulerCorner();
               RedrawWindow(TkWindowHandle(MainWindow), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
           }));
    const int parts = probes / 5 + 1;
    const std::vector<double> imagePath = TimePart(parts, [&] { TaskFileName(target.dwProcessId); });
    const std::vector<double> snapshot = TimePart(parts, [&] { TaskFileNameFromModules(target.dwProcessId); });
    Report("TaskFileName of the target (image path first)", imagePath);
    Report("TaskFileNameFromModules of the target (module snapshot only)", snapshot);
    std::printf("speed-up of the median: %.1fx\n", Percentile(snapshot, 0.5) / Percentile(imagePath, 0.5));

    const TkPoint p{TkWindowX(RulerWindow), TkWindowY(RulerWindow)};
    Report("  part: UpdateWindow of the ruler", TimePart(parts, [] { UpdateWindow(TkWindowHandle(RulerWindow)); }));
    Report("  part: ShowRulerGeometry", TimePart(parts, ShowRulerGeometry));
    Report("  part: RefreshMagnifier", TimePart(parts, [&] { RefreshMagnifier(p); }));
    Report("  part: GetPixel", TimePart(parts, [&] {
               HDC screen = GetDC(nullptr);
               GetPixel(screen, p.x, p.y);
               ReleaseDC(nullptr, screen);
           }));
    Report("  part: ForeignWindowAt (the window under the ruler)", TimePart(parts, [&] {
               ForeignWindowAt(POINT{p.x, p.y});
           }));
    Report("  part: WindowFromPoint alone", TimePart(parts, [&] { WindowFromPoint(POINT{p.x, p.y}); }));
    int flip = 0;
    Report("  part: one field's text, changed",
           TimePart(parts, [&] { TkSetControlText(RulerWidthField, (++flip & 1) ? "150" : "151"); }));
    Report("  part: one field's text, unchanged", TimePart(parts, [&] { TkSetControlText(RulerWidthField, "150"); }));
    Report("  part: reading one field's text", TimePart(parts, [&] { TkGetControlText(RulerWidthField); }));

    TerminateProcess(target.hProcess, 0);
    CloseHandle(target.hProcess);
    CloseHandle(target.hThread);
    TkShutdown();
    return 0;
}
