#include "measure/ruler_scales.h"

#include "core/app_state.h"
#include "measure/scale_ticks.h"
#include "toolkit/tk_fonts.h"
#include "toolkit/tk_images.h"
#include "toolkit/tk_text.h"

namespace {

constexpr int32_t OpaqueBlack = TkRGBA(0, 0, 0, 255);

// Creates one scale picture, under its number when it has one already, and draws its ticks and numbers: transparent
// wherever there is no mark, so that the ruler's own grey shows through. Returns the image number; the picture stays
// empty when drawing cannot begin.
int DrawScale(ScaleSide side, int image)
{
    const AppState& app = App();
    const bool horizontal = side == ScaleSide::Top || side == ScaleSide::Bottom;
    const double perMm = horizontal ? app.scalesPitch.xPerMm : app.scalesPitch.yPerMm;
    const ScalePlan plan = PlanPhysicalScale(side, app.screenWidth, app.screenHeight, perMm, app.scalesUnit);
    if (image == 0)
        image = static_cast<int>(TkCreateImage(-1, plan.width, plan.height, 32));
    else
        TkCreateImage(image, plan.width, plan.height, 32);
    if (!TkStartDrawing(TkImageOutput(image)))
        return image;
    TkDrawingMode(TkModeAlphaChannel);
    TkBox(0, 0, plan.width, plan.height, TkRGBA(0, 0, 0, 0));
    // The colour bytes are black already, so writing alpha 255 makes the tick pixels opaque black.
    for (const ScaleLine& t : plan.shortTicks)
        TkLine(t.x, t.y, t.width, t.height, OpaqueBlack);
    for (const ScaleLine& t : plan.mediumTicks)
        TkLine(t.x, t.y, t.width, t.height, OpaqueBlack);
    TkDrawingMode(TkModeAlphaBlend | TkModeTransparentText);
    TkDrawingFont(TkFontHandle(static_cast<int>(app.ScaleNumberFont)));
    for (const ScaleLine& t : plan.longPieces)
        TkLine(t.x, t.y, t.width, t.height, OpaqueBlack);
    for (const ScaleNumber& n : plan.numbers)
        TkDrawDigits(n.x, n.y, TkIntToText(n.value), n.rotated ? ScaleNumberAngle : 0, OpaqueBlack);
    TkDrawingFont(nullptr);
    TkStopDrawing();
    return image;
}

} // namespace

void DrawRulerScales()
{
    AppState& app = App();
    app.TopScaleBitmap = DrawScale(ScaleSide::Top, app.TopScaleBitmap);
    app.BottomScaleBitmap = DrawScale(ScaleSide::Bottom, app.BottomScaleBitmap);
    app.LeftScaleBitmap = DrawScale(ScaleSide::Left, app.LeftScaleBitmap);
    app.RightScaleBitmap = DrawScale(ScaleSide::Right, app.RightScaleBitmap);
}

bool RulerScalesFitScreen()
{
    const AppState& app = App();
    return TkImageWidth(app.TopScaleBitmap) == PlanScale(ScaleSide::Top, app.screenWidth, app.screenHeight).width &&
           TkImageHeight(app.LeftScaleBitmap) == PlanScale(ScaleSide::Left, app.screenWidth, app.screenHeight).height;
}
