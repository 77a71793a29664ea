// Measures how long the control panel and the short guide take to be laid out anew when they are moved onto a display
// of another scale (WM_DPICHANGED, sent here as Wine gives every display one scale), from one of the drawn scales to
// the next: the layout with its pictures, then the same until the panel is painted, and with a corner chosen, which
// measures it again for the magnifier. Usage: rescale_bench [rounds].
#include <cstdlib>
#include <string>

#include "bench_support.h"
#include "core/embedded_images.h"
#include "core/object_ids.h"
#include "program_windows.h"
#include "toolkit/tk_scale.h"
#include "toolkit/tk_windows.h"
#include "windows/short_guide.h"

namespace {

// Sends each window the change to the next of the drawn scales and times it; returns the samples.
std::vector<double> TimeRescales(int window, int rounds, bool paint)
{
    std::vector<double> samples;
    HWND handle = TkWindowHandle(window);
    for (int i = 0; i < rounds; ++i) {
        const int dpi = TkPictureDpis[(i + 1) % TkPictureScaleCount];
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
    BuildProgramWindows({1, 0, 0, 20, 20, 600, 400, 150, 100, 0, {}});
    OpenShortGuide();
    PumpMessages();
    Report("panel, laid out anew", TimeRescales(MainWindow, rounds, false));
    Report("panel, laid out anew and painted", TimeRescales(MainWindow, rounds, true));
    TkSetControlState(CornerTopLeftOption, 1);
    Report("panel with a corner chosen, painted", TimeRescales(MainWindow, rounds, true));
    Report("short guide, laid out anew and painted", TimeRescales(ShortGuideWindow, rounds, true));
    // The part of it that decodes the panel's pictures for the new scale (with the windows closed, which would
    // show pictures freed here).
    TkCloseWindow(ShortGuideWindow);
    TkCloseWindow(MainWindow);
    std::vector<double> decoding;
    for (int i = 0; i < rounds; ++i) {
        const double start = NowMs();
        UsePanelPictures(TkPictureDpis[(i + 1) % TkPictureScaleCount]);
        decoding.push_back(NowMs() - start);
        FreeRetiredPictures();
    }
    Report("  part: the panel's pictures for the scale", decoding);
    TkShutdown();
    return 0;
}
