// Measures what a drag costs, over a window of another process: the handling of one drag step, the work of one frame
// (the screen probe and the painting of what changed), a simulated drag of a thousand steps a second, and the same
// drag the way every step used to probe and paint at once; then the two ways of finding the task's file name.
// Usage: probe_bench [probes]. With --target it is the other process: a plain coloured window.
#include <algorithm>
#include <cstdlib>
#include <string>

#include "bench_support.h"
#include "core/app_state.h"
#include "core/object_ids.h"
#include "measure/corner_probe.h"
#include "measure/magnifier.h"
#include "measure/probe_bench_hooks.h"
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
    BuildProgramWindows({0, 0, 1, 900, 10, TargetX + 50, TargetY + 50, 150, 100, 0, 0, {}});
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

// Paintings of one edge field, which changes on every step of a sideways drag. Every painting of it asks its parent
// for the field's colours: once per message of the field's own procedure that paints it, or directly by the frame.
HWND gField = nullptr;
WNDPROC gFieldProcedure = nullptr, gParentProcedure = nullptr;
int gFieldPaints = 0;
bool gInField = false, gColoursAsked = false;

LRESULT CALLBACK CountingFieldProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const bool outer = !gInField;
    if (outer) {
        gInField = true;
        gColoursAsked = false;
    }
    const LRESULT result = CallWindowProcA(gFieldProcedure, window, message, wParam, lParam);
    if (outer) {
        gInField = false;
        gFieldPaints += gColoursAsked ? 1 : 0;
    }
    return result;
}

LRESULT CALLBACK CountingParentProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CTLCOLORSTATIC && reinterpret_cast<HWND>(lParam) == gField) {
        if (gInField)
            gColoursAsked = true;
        else
            ++gFieldPaints;
    }
    return CallWindowProcA(gParentProcedure, window, message, wParam, lParam);
}

void CountFieldPaintings(HWND field, bool counting)
{
    gField = field;
    if (counting) {
        gFieldProcedure = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountingFieldProcedure)));
        gParentProcedure = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(GetParent(field), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountingParentProcedure)));
    } else {
        SetWindowLongPtrA(field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(gFieldProcedure));
        SetWindowLongPtrA(GetParent(field), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(gParentProcedure));
    }
}

// Moves the ruler one pixel sideways, back and forth, without its own notification measuring.
int MoveQuietly(int step)
{
    HWND ruler = TkWindowHandle(RulerWindow);
    const int x = TkWindowX(RulerWindow) + ((step / 20) % 2 ? -1 : 1);
    BeginRulerNudge();
    SetWindowPos(ruler, nullptr, x, TkWindowY(RulerWindow), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EndRulerNudge();
    return x;
}

struct DragResult {
    std::vector<double> waits;  // from the moment each step was due to the end of its handling
    std::vector<double> held;   // of it, until its handling began: behind the frame's work
    std::vector<double> own;    // of it, its handling: the system's move of the ruler and the notification
    std::vector<double> frames; // the frame timer's handling
    int fieldPaints = 0;
    double duration = 0;
    bool exact = false;
};

bool FieldsShowRuler()
{
    const int x = TkWindowX(RulerWindow), w = TkWindowWidth(RulerWindow);
    return FieldText(LeftEdgeTopField) == std::to_string(x) && FieldText(LeftEdgeBottomField) == std::to_string(x) &&
           FieldText(RightEdgeTopField) == std::to_string(x + w - 1) &&
           FieldText(TopEdgeLeftField) == std::to_string(TkWindowY(RulerWindow));
}

// A drag of steps one-pixel moves at 1 ms intervals, as a 1000 Hz mouse sends them, with the messages pumped between
// as the system's move loop does. The old way measures every step at once with the probe and its painting.
DragResult SimulateDrag(int steps, bool oldWay)
{
    HWND ruler = TkWindowHandle(RulerWindow);
    DragResult result;
    gFieldPaints = 0;
    SendMessageA(ruler, WM_ENTERSIZEMOVE, 0, 0);
    const double start = NowMs();
    double lastEnd = start;
    for (int i = 0; i < steps; ++i) {
        // A step waits from when it is due, or from the end of the step before when that ran late: for the frame
        // probe and for its own handling.
        const double due = std::max(start + i, lastEnd);
        do {
            MSG message;
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
                const bool frame = message.message == WM_TIMER && message.hwnd == ruler && message.wParam == 2;
                const double before = NowMs();
                DispatchMessageA(&message);
                if (frame)
                    result.frames.push_back(NowMs() - before);
            }
        } while (NowMs() < due);
        const double begin = NowMs();
        if (oldWay) {
            MoveQuietly(i);
            const ProbeCorner corner = SelectedCorner();
            MeasureRulerGeometry(corner);
            ProbeRulerScreen(corner);
        } else {
            const int x = TkWindowX(RulerWindow) + ((i / 20) % 2 ? -1 : 1);
            SetWindowPos(ruler, nullptr, x, TkWindowY(RulerWindow), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        lastEnd = NowMs();
        result.waits.push_back(lastEnd - due);
        result.held.push_back(begin - due);
        result.own.push_back(lastEnd - begin);
    }
    result.exact = FieldsShowRuler();
    SendMessageA(ruler, WM_EXITSIZEMOVE, 0, 0);
    // The last frame follows the last step.
    WaitUntil(
        [] {
            PumpMessages();
            return !RulerProbeDue();
        },
        std::chrono::seconds(2));
    result.duration = NowMs() - start;
    result.fieldPaints = gFieldPaints;
    return result;
}

void ReportDrag(const char* what, const DragResult& drag)
{
    Report(what, drag.waits);
    Report("  of it, held behind the frame's work", drag.held);
    Report("  of it, the step: system's move + notification", drag.own);
    std::printf("  %zu steps in %.0f ms (%.0f frames of 60 Hz): %zu frame probes, %d paintings of an edge field, "
                "fields right at once after the last step: %s\n",
                drag.waits.size(), drag.duration, drag.duration / (1000.0 / 60), drag.frames.size(), drag.fieldPaints,
                drag.exact ? "yes" : "NO");
    if (!drag.frames.empty())
        Report("  its frame probes", drag.frames);
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

    HWND ruler = TkWindowHandle(RulerWindow);
    HWND field = TkControlHandle(LeftEdgeTopField);
    CountFieldPaintings(field, true);

    // (a) and (b) run inside a drag, as the system's move loop announces it.
    SendMessageA(ruler, WM_ENTERSIZEMOVE, 0, 0);
    // (a) One drag step's notification, after the ruler has moved a pixel: the geometry, no screen read, no painting.
    std::vector<double> notification;
    for (int i = 0; i < probes; ++i) {
        const int x = MoveQuietly(i);
        WINDOWPOS position{ruler, nullptr, x, TkWindowY(RulerWindow), 0, 0, SWP_NOSIZE | SWP_NOZORDER};
        const double start = NowMs();
        SendMessageA(ruler, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&position));
        notification.push_back(NowMs() - start);
        if (i % 16 == 0)
            PumpMessages();
    }
    Report("(a) one drag notification", notification);
    // (b) One frame: the screen probe, then the painting of every control changed since the last frame, which the
    // system does as the next message when no step waits.
    std::vector<double> frame, probe, painting;
    for (int i = 0; i < probes / 5 + 1; ++i) {
        const int x = TkWindowX(RulerWindow) + ((i / 20) % 2 ? -1 : 1);
        SetWindowPos(ruler, nullptr, x, TkWindowY(RulerWindow), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        const double start = NowMs();
        ShowRulerFrame(App().rulerDrag.corner);
        const double probed = NowMs();
        // The painting as the move loop does it: the paint messages of the invalidated controls.
        MSG paint;
        while (PeekMessageA(&paint, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE))
            DispatchMessageA(&paint);
        const double end = NowMs();
        frame.push_back(end - start);
        probe.push_back(probed - start);
        painting.push_back(end - probed);
        if (i % 16 == 0)
            PumpMessages();
    }
    Report("(b) one frame: screen probe + painting", frame);
    Report("  its screen probe", probe);
    Report("  its painting of what changed", painting);
    SendMessageA(ruler, WM_EXITSIZEMOVE, 0, 0);
    // (d) The old way for comparison: every step probed the screen and painted each changed field at once.
    std::vector<double> oldStep;
    for (int i = 0; i < probes / 5 + 1; ++i) {
        MoveQuietly(i);
        const double start = NowMs();
        const ProbeCorner corner = SelectedCorner();
        MeasureRulerGeometry(corner);
        ProbeRulerScreen(corner);
        oldStep.push_back(NowMs() - start);
        if (i % 16 == 0)
            PumpMessages();
    }
    Report("(d) one drag step the old way (probe, paint each)", oldStep);
    PumpMessages();
    // (c) A simulated drag at 1000 steps a second, and (d) the same drag the old way.
    ReportDrag("(c) drag, 1000 steps at 1 ms: wait of each step", SimulateDrag(1000, false));
    ReportDrag("(d) the same drag the old way: wait of each step", SimulateDrag(1000, true));
    CountFieldPaintings(field, false);

    const int parts = probes / 5 + 1;
    const std::vector<double> imagePath = TimePart(parts, [&] { TaskFileName(target.dwProcessId); });
    const std::vector<double> snapshot = TimePart(parts, [&] { TaskFileNameFromModules(target.dwProcessId); });
    Report("TaskFileName of the target (image path first)", imagePath);
    Report("TaskFileNameFromModules of the target (module snapshot only)", snapshot);
    std::printf("speed-up of the median: %.1fx\n", Percentile(snapshot, 0.5) / Percentile(imagePath, 0.5));

    const TkPoint p{TkWindowX(RulerWindow), TkWindowY(RulerWindow)};
    Report("  part: UpdateWindow of the ruler", TimePart(parts, [] { UpdateWindow(TkWindowHandle(RulerWindow)); }));
    Report("  part: ShowRulerGeometry", TimePart(parts, ShowRulerGeometry));
    Report("  part: RefreshMagnifier", TimePart(parts, [&] { (void)RefreshMagnifier(p); }));
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
    TkHoldControlPainting(1);
    Report("  part: one field's text, changed, painting held",
           TimePart(parts, [&] { TkSetControlText(RulerWidthField, (++flip & 1) ? "150" : "151"); }));
    TkHoldControlPainting(0);
    TkPaintChangedControls();
    Report("  part: one field's text, changed, painted as a frame does", TimePart(parts, [&] {
               TkHoldControlPainting(1);
               TkSetControlText(RulerWidthField, (++flip & 1) ? "150" : "151");
               TkHoldControlPainting(0);
               TkPaintChangedControls(TkPaintFrame);
           }));
    std::vector<double> geometry;
    for (int i = 0; i < parts; ++i) {
        MoveQuietly(i);
        const double start = NowMs();
        TkHoldControlPainting(1);
        MeasureRulerGeometry(App().rulerDrag.corner);
        TkHoldControlPainting(0);
        geometry.push_back(NowMs() - start);
    }
    Report("  part: MeasureRulerGeometry, ruler moved", geometry);
    Report("  part: moving the ruler a pixel", TimePart(parts, [&] { MoveQuietly(++flip); }));
    Report("  part: one field's text, unchanged", TimePart(parts, [&] { TkSetControlText(RulerWidthField, "150"); }));
    Report("  part: reading one field's text", TimePart(parts, [&] { TkGetControlText(RulerWidthField); }));

    TerminateProcess(target.hProcess, 0);
    CloseHandle(target.hProcess);
    CloseHandle(target.hThread);
    TkShutdown();
    return 0;
}
