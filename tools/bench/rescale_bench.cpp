// Measures how long the control panel and the short guide take to be laid out anew when they are moved onto a display
// of another scale (WM_DPICHANGED, sent here as Wine gives every display one scale), from one of the drawn scales to
// the next: the layout with its pictures, then the same until the panel is painted, and with a corner chosen, which
// measures it again for the magnifier. With "all", through every scale Windows offers up to 350 %, whose pictures are
// averaged from the drawn ones. The panel keeps the pictures of the scales it has left, so after the first round
// these changes find them made; the first change to a scale is measured apart, through scales never shown before
// (from 97 dpi up, one dpi apart, each averaged anew). Usage: rescale_bench [rounds] [all].
#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench_support.h"
#include "core/embedded_images.h"
#include "core/object_ids.h"
#include "program_windows.h"
#include "toolkit/tk_scale.h"
#include "toolkit/tk_windows.h"
#include "windows/short_guide.h"

namespace {

// Sends the window the change to the next of the scales and times it; returns the samples.
std::vector<double> TimeRescales(int window, const std::vector<int>& scales, int rounds, bool paint)
{
    std::vector<double> samples;
    HWND handle = TkWindowHandle(window);
    for (int i = 0; i < rounds; ++i) {
        const int dpi = scales[static_cast<size_t>(i + 1) % scales.size()];
        RECT suggested{20, 20, 20 + TkScaleLength(300, dpi), 20 + TkScaleLength(520, dpi)};
        const double start = NowMs();
        SendMessageA(handle, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        if (paint)
            RedrawWindow(handle, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        samples.push_back(NowMs() - start);
        PumpMessages();
    }
    return samples;
}

} // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 200;
    std::vector<int> scales(TkPictureDpis, TkPictureDpis + TkPictureScaleCount);
    if (argc > 2 && std::string(argv[2]) == "all")
        scales = {96, 120, 144, 168, 192, 216, 240, 288, 336};
    BuildProgramWindows({1, 0, 0, 20, 20, 600, 400, 150, 100, 0, 0, {}});
    OpenShortGuide();
    PumpMessages();
    Report("panel, laid out anew", TimeRescales(MainWindow, scales, rounds, false));
    std::vector<int> unseen;
    for (int dpi = 97; static_cast<int>(unseen.size()) < rounds; ++dpi)
        if (std::find(scales.begin(), scales.end(), dpi) == scales.end())
            unseen.push_back(dpi);
    Report("panel, laid out anew at a scale not shown before", TimeRescales(MainWindow, unseen, rounds, false));
    Report("panel, laid out anew and painted", TimeRescales(MainWindow, scales, rounds, true));
    TkSetControlState(CornerTopLeftOption, 1);
    Report("panel with a corner chosen, painted", TimeRescales(MainWindow, scales, rounds, true));
    Report("short guide, laid out anew and painted", TimeRescales(ShortGuideWindow, scales, rounds, true));
    // The part of it that decodes the panel's pictures for the new scale (with the windows closed, which would
    // show pictures freed here).
    TkCloseWindow(ShortGuideWindow);
    TkCloseWindow(MainWindow);
    std::vector<double> decoding;
    for (int i = 0; i < rounds; ++i) {
        const double start = NowMs();
        UsePanelPictures(scales[static_cast<size_t>(i + 1) % scales.size()]);
        decoding.push_back(NowMs() - start);
        FreeRetiredPictures();
    }
    Report("  part: the panel's pictures for the scale", decoding);
    TkShutdown();
    return 0;
}
