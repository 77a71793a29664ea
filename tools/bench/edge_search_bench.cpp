// Measures one edge search across the whole width of a wide screen (7680 pixels: run it on a display that wide, see
// the README): the search as the keys make it (its line read in one copy, the scan, then the nudge that measures the
// ruler anew), a shrink across a ruler as wide as the screen (which reads beneath the ruler), the nudge's part alone,
// and the line's copy with the scan alone. Usage: edge_search_bench [runs].
#include <cstdio>
#include <cstdlib>

#include "bench_support.h"
#include "core/app_state.h"
#include "core/drag_zones.h"
#include "core/object_ids.h"
#include "measure/edge_scan.h"
#include "measure/screen_line.h"
#include "program_windows.h"
#include "toolkit/tk_windows.h"
#include "windows/edge_search.h"
#include "windows/window_placement.h"

namespace {

constexpr int RulerX = 0, RulerY = 20, RulerWidth = 100, RulerHeight = 100;

// Times runs searches of one kind on the right side, each from the ruler's start, to which it is put back.
std::vector<double> TimeSearches(int runs, EdgeKind kind, int startWidth)
{
    std::vector<double> samples;
    for (int i = 0; i < runs; ++i) {
        ResizeRulerSide(RulerWindow, SideRight, startWidth - TkWindowWidth(RulerWindow));
        const double start = NowMs();
        SearchEdge(SideRight, kind);
        samples.push_back(NowMs() - start);
        PumpMessages();
    }
    return samples;
}

} // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::atoi(argv[1]) : 200;
    BuildProgramWindows({0, 0, 0, 20, 400, RulerX, RulerY, RulerWidth, RulerHeight, 0, 0, {}});
    PumpMessages();
    const AppState& app = App();
    std::printf("screen %d x %d\n", app.screenWidth, app.screenHeight);

    Report("grow across the screen, with the nudge", TimeSearches(runs, EdgeKind::Grow, RulerWidth));
    std::printf("  the right side stops at %d\n", TkWindowX(RulerWindow) + TkWindowWidth(RulerWindow) - 1);
    Report("shrink across a ruler as wide as the screen", TimeSearches(runs, EdgeKind::Shrink, app.screenWidth));
    std::printf("  the right side stops at %d\n", TkWindowX(RulerWindow) + TkWindowWidth(RulerWindow) - 1);

    // The nudge's part of the grow: the same resize without the search, which lays the ruler out and measures it.
    std::vector<double> nudge;
    const int grown = app.screenWidth - RulerX;
    for (int i = 0; i < runs; ++i) {
        ResizeRulerSide(RulerWindow, SideRight, RulerWidth - TkWindowWidth(RulerWindow));
        const double start = NowMs();
        ResizeRulerSide(RulerWindow, SideRight, grown - RulerWidth);
        nudge.push_back(NowMs() - start);
        PumpMessages();
    }
    Report("  part: the same resize as a nudge, without the search", nudge);

    std::vector<double> line;
    const int row = RulerY + RulerHeight / 2;
    for (int i = 0; i < runs; ++i) {
        const double start = NowMs();
        const std::vector<uint32_t> pixels = ReadScreenLine(true, row, app.screenLeft, app.screenWidth);
        FindEdge(pixels, 0, 0, 1, EdgeKind::Grow, EdgeToleranceExact);
        line.push_back(NowMs() - start);
    }
    Report("  part: the line's one copy and the scan", line);
    TkShutdown();
    return 0;
}
