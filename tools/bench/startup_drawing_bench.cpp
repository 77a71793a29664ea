// Measures the start-up work on pictures: drawing the four ruler scales for a large desktop and decoding every
// picture the program carries. Usage: startup_drawing_bench [runs] [width] [height]
#include <cstdlib>

#include "bench_support.h"
#include "core/app_state.h"
#include "core/embedded_images.h"
#include "measure/ruler_scales.h"
#include "toolkit/tk_fonts.h"
#include "toolkit/tk_windows.h"

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::atoi(argv[1]) : 30;
    AppState& app = App();
    app.screenWidth = argc > 2 ? std::atoi(argv[2]) : 7680;
    app.screenHeight = argc > 3 ? std::atoi(argv[3]) : 4320;
    TkStartup();
    app.ScaleNumberFont = TkLoadFont(-1, "Tahoma", 7, 0);
    if (app.ScaleNumberFont == 0)
        app.ScaleNumberFont = TkLoadFont(-1, "Arial", 7, 0);

    std::vector<double> scales, pictures, both;
    for (int run = 0; run < runs; ++run) {
        const double start = NowMs();
        DrawRulerScales();
        const double drawn = NowMs();
        LoadEmbeddedImages();
        const double decoded = NowMs();
        scales.push_back(drawn - start);
        pictures.push_back(decoded - drawn);
        both.push_back(decoded - start);
    }
    std::printf("desktop %d x %d\n", app.screenWidth, app.screenHeight);
    Report("DrawRulerScales", scales);
    Report("decode all embedded pictures", pictures);
    Report("both together", both);
    TkShutdown();
    return 0;
}
