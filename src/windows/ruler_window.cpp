#include "windows/ruler_window.h"

#include <windows.h>

#include <algorithm>

#include "core/app_state.h"
#include "core/object_ids.h"
#include "measure/monitor_pitch.h"
#include "measure/physical_units.h"
#include "measure/ruler_scales.h"
#include "toolkit/tk_fonts.h"
#include "toolkit/tk_images.h"
#include "toolkit/tk_text.h"
#include "toolkit/tk_windows.h"
#include "windows/main_window.h"
#include "windows/ruler_layout.h"
#include "windows/window_placement.h"

namespace {

// Clipping its controls keeps the ruler's background from covering the peephole where the ruler has grown.
constexpr uint32_t RulerWindowFlags = TkBorderless | TkInvisible | TkClipChildren | TkExactPlace;

// The labels and the centre symbol, in the order they are hidden and shown.
constexpr int sizeDependentControls[] = {RulerCentreImage, RulerOriginLabel, RulerWidthLabel, RulerHeightLabel};

// The four scale controls and their pictures.
const struct {
    int control;
    int AppState::*image;
} scaleControls[] = {
    {TopScaleImage, &AppState::TopScaleBitmap},
    {BottomScaleImage, &AppState::BottomScaleBitmap},
    {LeftScaleImage, &AppState::LeftScaleBitmap},
    {RightScaleImage, &AppState::RightScaleBitmap},
};

// The width label's right edge stands this far from the ruler's right edge; both labels are at least this wide.
constexpr int LabelInset = 17;
constexpr int LabelWidth = 28;

void HandOverScalePictures()
{
    const AppState& app = App();
    for (const auto& s : scaleControls) {
        const int image = app.*s.image;
        TkSetControlState(s.control, reinterpret_cast<intptr_t>(TkImageHandle(image)));
        TkResizeControl(s.control, TkKeep, TkKeep, TkImageWidth(image), TkImageHeight(image));
    }
}

// Draws the scales anew when the ruler's unit, or the pitch of the monitor it stands on, is not what they show.
void FollowRulerPitch(MeasureUnit unit, const PixelPitch& pitch)
{
    AppState& app = App();
    const PixelPitch drawn = unit == MeasureUnit::Pixel ? PixelPitch{} : pitch;
    if (unit == app.scalesUnit && drawn == app.scalesPitch)
        return;
    app.scalesUnit = unit;
    app.scalesPitch = drawn;
    DrawRulerScales();
    HandOverScalePictures();
}

// The width and height labels: pixels in their boxes of old, a length in millimetres or inches in boxes widened to
// fit it, the width's towards the left.
void ShowLengthLabels(int w, int h, const RulerLayout& layout, MeasureUnit unit, const PixelPitch& pitch)
{
    const std::string width = LengthText(w, pitch.xPerMm, unit), height = LengthText(h, pitch.yPerMm, unit);
    if (unit == MeasureUnit::Pixel || !PitchKnown(pitch)) {
        TkResizeControl(RulerWidthLabel, layout.widthLabelX, TkKeep, LabelWidth, TkKeep);
        TkResizeControl(RulerHeightLabel, TkKeep, layout.heightLabelY, LabelWidth, TkKeep);
        TkSetControlText(RulerOriginLabel, "1");
    } else {
        const int widthBox = std::max(LabelWidth, TkControlTextWidth(RulerWidthLabel, width));
        TkResizeControl(RulerWidthLabel, w - LabelInset - widthBox, TkKeep, widthBox, TkKeep);
        TkResizeControl(RulerHeightLabel, TkKeep, layout.heightLabelY,
                        std::max(LabelWidth, TkControlTextWidth(RulerHeightLabel, height)), TkKeep);
        // A length starts at nought; pixels are counted from the first.
        TkSetControlText(RulerOriginLabel, "0");
    }
    TkSetControlText(RulerWidthLabel, width);
    TkSetControlText(RulerHeightLabel, height);
}

void ShowSizeDependentControls(bool shown)
{
    for (int control : sizeDependentControls)
        TkHideControl(control, shown ? 0 : 1);
}

void BuildRulerLabel(int control, int x, int y, int w, int h, const std::string& text, uint32_t style)
{
    TkTextControl(control, x, y, w, h, text, style);
    TkSetControlFont(control, reinterpret_cast<intptr_t>(TkFontHandle(static_cast<int>(App().RulerLabelFont))));
    TkSetControlColor(control, TkBackColour, RulerGrey);
}

} // namespace

void BuildRulerWindow()
{
    AppState& app = App();
    const Settings& settings = app.settings;
    HWND window =
        TkOpenWindow(RulerWindow, settings.RulerWindowPosX, settings.RulerWindowPosY, settings.RulerWindowWidth,
                     settings.RulerWindowHeight, "Lineal - Tessaro", RulerWindowFlags);
    if (!window)
        return;
    TkSetWindowColor(RulerWindow, RulerGrey);
    SetWindowLongA(window, GWL_EXSTYLE, WS_EX_LAYERED | WS_EX_TOOLWINDOW);
    SetLayeredWindowAttributes(window, static_cast<COLORREF>(KeyColour), RulerAlpha, LWA_COLORKEY | LWA_ALPHA);

    TkContainer(MagnifierPeephole, 1, 1, 1, 1, 0);
    TkSetControlColor(MagnifierPeephole, TkBackColour, KeyColour);
    TkEndContainer();

    const int w = TkWindowWidth(RulerWindow), h = TkWindowHeight(RulerWindow);
    const RulerLayout layout = ComputeRulerLayout(w, h, app.rulerCentreWidth, app.rulerCentreHeight);
    TkImageControl(RulerCentreImage, layout.centreImage.x, layout.centreImage.y, app.rulerCentreWidth,
                   app.rulerCentreHeight, TkImageHandle(app.RulerCentreBitmap));
    TkDisableControl(RulerCentreImage, 1);
    for (const auto& s : scaleControls) {
        const int image = app.*s.image;
        // The bottom and right scales stand at the ruler's far edges.
        const int x = s.control == RightScaleImage ? layout.rightScaleX : 0;
        const int y = s.control == BottomScaleImage ? layout.bottomScaleY : 0;
        TkImageControl(s.control, x, y, TkImageWidth(image), TkImageHeight(image), TkImageHandle(image));
        // The picture is transparent between its marks: the control's own background there is the ruler's grey.
        TkSetControlColor(s.control, TkBackColour, RulerGrey);
        TkDisableControl(s.control, 1);
        TkClipControlSiblings(s.control);
    }
    // The scales overlap in the corners; clipping the controls against each other and keeping the one-pixel
    // peephole on top keeps it from being painted over by a scale.
    TkClipControlSiblings(RulerCentreImage);
    TkClipControlSiblings(MagnifierPeephole);
    TkRaiseControl(MagnifierPeephole);

    BuildRulerLabel(RulerOriginLabel, 17, 17, 6, 12, "1", 0);
    BuildRulerLabel(RulerWidthLabel, layout.widthLabelX, 17, 28, 12, TkIntToText(w), TkTextRight);
    BuildRulerLabel(RulerHeightLabel, 17, layout.heightLabelY, 28, 12, TkIntToText(h), 0);
    if (!layout.labelsShown)
        ShowSizeDependentControls(false);
    LayoutRuler();

    ShowWindow(window, SW_SHOW);
    TkSetWindowTopmost(RulerWindow, 1);
    ShowRulerGeometry();
    TkSetControlText(SizeOriginLabel, "1");
    AddRulerShortcuts(RulerWindow);
}

void LayoutRuler()
{
    const AppState& app = App();
    const int w = TkWindowWidth(RulerWindow), h = TkWindowHeight(RulerWindow);
    const RulerLayout layout = ComputeRulerLayout(w, h, app.rulerCentreWidth, app.rulerCentreHeight);
    TkResizeControl(RulerCentreImage, layout.centreImage.x, layout.centreImage.y, TkKeep, TkKeep);
    TkResizeControl(BottomScaleImage, TkKeep, layout.bottomScaleY, TkKeep, TkKeep);
    TkResizeControl(RightScaleImage, layout.rightScaleX, TkKeep, TkKeep, TkKeep);
    const MeasureUnit unit = MeasureUnitOf(app.settings.MeasureUnit);
    const PixelPitch pitch = unit == MeasureUnit::Pixel ? PixelPitch{} : MonitorPitch(RulerMonitor());
    FollowRulerPitch(unit, pitch);
    ShowLengthLabels(w, h, layout, unit, pitch);
    ShowSizeDependentControls(layout.labelsShown);
}

void ShowRulerScales()
{
    HandOverScalePictures();
    LayoutRuler();
}
