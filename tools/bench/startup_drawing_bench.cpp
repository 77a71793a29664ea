// Measures the start-up work on pictures: drawing the four ruler scales for a large desktop, with the numbers
// composed from digit glyphs and as whole texts in turn, and decoding every picture the program carries.
// The same drawing runs again when monitors come or go and the screen changes its size, and in millimetres or inches
// whenever the ruler comes onto a monitor of another pitch: then with its two labels written anew.
// Usage: startup_drawing_bench [runs] [width] [height]   (e.g. 30 11520 2160: three 3840 x 2160 monitors side by side)
#include <cstdlib>

#include "bench_support.h"
#include "core/app_state.h"
#include "core/embedded_images.h"
#include "measure/physical_units.h"
#include "measure/ruler_scales.h"
#include "measure/scale_ticks.h"
#include "toolkit/tk_fonts.h"
#include "toolkit/tk_images.h"
#include "toolkit/tk_test_hooks.h"
#include "toolkit/tk_windows.h"

namespace {

// Whether the digit glyphs serve the scale font at this angle, or whole texts are drawn instead.
bool GlyphsServe(HFONT font, int angle)
{
    const int image = static_cast<int>(TkCreateImage(-1, 20, 20, 32));
    TkStartDrawing(TkImageOutput(image));
    TkDrawingMode(TkModeAlphaBlend | TkModeTransparentText);
    TkDrawingFont(font);
    const bool served = TkDrawDigits(10, 0, "0", angle, TkRGBA(0, 0, 0, 255));
    TkStopDrawing();
    return served;
}

} // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::atoi(argv[1]) : 30;
    AppState& app = App();
    app.screenWidth = argc > 2 ? std::atoi(argv[2]) : 7680;
    app.screenHeight = argc > 3 ? std::atoi(argv[3]) : 4320;
    TkStartup("Tessaro");
    const char* face = "Tahoma";
    app.ScaleNumberFont = TkLoadFont(-1, face, 7, 0);
    if (app.ScaleNumberFont == 0)
        app.ScaleNumberFont = TkLoadFont(-1, face = "Arial", 7, 0);

    // The first drawing renders the glyphs as well.
    double start = NowMs();
    DrawRulerScales();
    const double first = NowMs() - start;

    // A 32-inch 8K monitor (697 x 392 mm) and one of 96 dpi, each in millimetres and in inches.
    const struct {
        const char* what;
        MeasureUnit unit;
        double perMm;
    } physical[] = {
        {"relabel + DrawRulerScales, mm at 11,0 px/mm", MeasureUnit::Millimetre, 7680 / 697.0},
        {"relabel + DrawRulerScales, inches at 11,0 px/mm", MeasureUnit::Inch, 7680 / 697.0},
        {"relabel + DrawRulerScales, mm at 3,8 px/mm", MeasureUnit::Millimetre, 96 / 25.4},
        {"relabel + DrawRulerScales, inches at 3,8 px/mm", MeasureUnit::Inch, 96 / 25.4},
    };
    std::vector<std::vector<double>> units(std::size(physical));
    std::string labels;
    std::vector<double> glyphs, whole, pictures;
    for (int run = 0; run < runs; ++run) {
        start = NowMs();
        DrawRulerScales();
        glyphs.push_back(NowMs() - start);
        TkUseDigitGlyphs(false);
        start = NowMs();
        DrawRulerScales();
        whole.push_back(NowMs() - start);
        TkUseDigitGlyphs(true);
        for (size_t u = 0; u < std::size(physical); ++u) {
            start = NowMs();
            app.scalesUnit = physical[u].unit;
            app.scalesPitch = {physical[u].perMm, physical[u].perMm, PitchSource::Edid};
            labels = LengthText(300 + run, physical[u].perMm, physical[u].unit) +
                     LengthText(150 + run, physical[u].perMm, physical[u].unit);
            DrawRulerScales();
            units[u].push_back(NowMs() - start);
        }
        app.scalesUnit = MeasureUnit::Pixel;
        app.scalesPitch = {};
        start = NowMs();
        LoadEmbeddedImages();
        pictures.push_back(NowMs() - start);
    }
    const HFONT font = TkFontHandle(static_cast<int>(app.ScaleNumberFont));
    std::printf("desktop %d x %d, scale font %s 7: digit glyphs %s upright, %s turned\n", app.screenWidth,
                app.screenHeight, face, GlyphsServe(font, 0) ? "serve" : "fall back to whole texts",
                GlyphsServe(font, ScaleNumberAngle) ? "serve" : "fall back to whole texts");
    std::printf("%-48s %8.4f ms\n", "first DrawRulerScales (renders the glyphs)", first);
    Report("DrawRulerScales, numbers from digit glyphs", glyphs);
    Report("DrawRulerScales, numbers as whole texts", whole);
    std::printf("%-48s %8.2f x\n", "whole texts / digit glyphs, medians",
                Percentile(whole, 0.5) / Percentile(glyphs, 0.5));
    for (size_t u = 0; u < std::size(physical); ++u)
        Report(physical[u].what, units[u]);
    std::printf("(last labels written: %s)\n", labels.c_str());
    Report("decode all embedded pictures", pictures);
    TkShutdown();
    return 0;
}
