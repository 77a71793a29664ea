#include "core/embedded_images.h"

#include <algorithm>

#include <windows.h>

#include "core/app_state.h"
#include "resource_ids.h"
#include "toolkit/tk_images.h"
#include "toolkit/tk_scale.h"

namespace {

struct Picture {
    int resource;
    int AppState::*image;
    int AppState::*width = nullptr; // nullptr: the size is not needed
    int AppState::*height = nullptr;
    bool inBox = false; // one of the panel's icons or the magnifier's start picture, replaced for each scale
};

// In the order they are decoded.
const Picture pictures[] = {
    {ResRulerHand, &AppState::RulerCentreBitmap, &AppState::rulerCentreWidth, &AppState::rulerCentreHeight},
    {ResMainBackground, &AppState::MainBackgroundImage},
    {ResShortGuide, &AppState::GuideBitmap, &AppState::guideBitmapWidth, &AppState::guideBitmapHeight},
    {ResArrowUp, &AppState::MoveUpIcon, nullptr, nullptr, true},
    {ResArrowDown, &AppState::MoveDownIcon, nullptr, nullptr, true},
    {ResArrowLeft, &AppState::MoveLeftIcon, nullptr, nullptr, true},
    {ResArrowRight, &AppState::MoveRightIcon, nullptr, nullptr, true},
    {ResPlus, &AppState::GrowIcon, nullptr, nullptr, true},
    {ResMinus, &AppState::ShrinkIcon, nullptr, nullptr, true},
    {ResMagnifier, &AppState::MagnifierPicture, &AppState::magnifierWidth, &AppState::magnifierHeight, true},
    // The magnifier's work picture starts as a second copy of the same data.
    {ResMagnifier, &AppState::MagnifierZoom},
};

// Decodes one picture of the program's resources into an image number (-1: a new one); 0 when it is missing or
// cannot be decoded.
int CatchResource(int resource, int image)
{
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(resource), MAKEINTRESOURCEA(10)); // RT_RCDATA
    const void* data = found ? LockResource(LoadResource(module, found)) : nullptr;
    return data ? static_cast<int>(TkCatchImage(image, data, SizeofResource(module, found))) : 0;
}

// The pictures drawn for the further scales follow the 96-dpi one's resource number in steps of this.
constexpr int ScaledResourceStep = 100;

// Decodes the picture drawn for a scale (an index into TkPictureDpis) under a new image number, which replaces the
// one in use; true when it did. The old picture is retired: controls still show it until they are handed the new
// one, after which FreeRetiredPictures frees it.
bool ReplaceWithScaled(int resource, int scale, int& image)
{
    // An image of 0: the 96-dpi picture was not there either.
    const int scaled = image != 0 ? CatchResource(resource + scale * ScaledResourceStep, -1) : 0;
    if (scaled == 0)
        return false;
    App().retiredPictures.push_back(image);
    image = scaled;
    return true;
}

void NoteSize(const Picture& p)
{
    AppState& app = App();
    if (p.width) {
        app.*p.width = TkImageWidth(app.*p.image);
        app.*p.height = TkImageHeight(app.*p.image);
    }
}

} // namespace

bool UsePanelPictures(int dpi)
{
    AppState& app = App();
    bool replaced = false;
    // The background covers the whole window: never one drawn smaller, which its brush would repeat.
    const int background = TkPictureScaleAtLeast(dpi);
    if (background != app.panelBackgroundScale) {
        app.panelBackgroundScale = background;
        replaced = ReplaceWithScaled(ResMainBackground, background, app.MainBackgroundImage) || replaced;
    }
    // Icons and the magnifier stand in boxes: never one drawn larger.
    const int icons = TkPictureScaleAtMost(dpi);
    if (icons != app.panelIconScale) {
        app.panelIconScale = icons;
        for (const Picture& p : pictures) {
            if (p.inBox) {
                replaced = ReplaceWithScaled(p.resource, icons, app.*p.image) || replaced;
                NoteSize(p);
            }
        }
    }
    return replaced;
}

bool UseGuidePicture(int dpi, int width, int height)
{
    AppState& app = App();
    if (dpi == app.guidePictureDpi && width == app.guideBitmapWidth && height == app.guideBitmapHeight)
        return false;
    app.guidePictureDpi = dpi;
    // The guide's picture is carried drawn for 96 dpi and for 200 %; at every scale between, the larger one is
    // reduced to the box by averaging, which keeps its lines and letters sharp (and the program small).
    const int scale = dpi <= 96 ? 0 : TkPictureScaleAtMost(192);
    bool replaced = ReplaceWithScaled(ResShortGuide, scale, app.GuideBitmap);
    if (replaced && scale != 0 && (TkImageWidth(app.GuideBitmap) > width || TkImageHeight(app.GuideBitmap) > height))
        TkResizeImage(app.GuideBitmap, std::min(width, TkImageWidth(app.GuideBitmap)),
                      std::min(height, TkImageHeight(app.GuideBitmap)), TkResizeAveraged);
    app.guideBitmapWidth = TkImageWidth(app.GuideBitmap);
    app.guideBitmapHeight = TkImageHeight(app.GuideBitmap);
    return replaced;
}

void LoadEmbeddedImages()
{
    TkUsePngDecoder();
    TkUseJpegDecoder();
    AppState& app = App();
    for (const Picture& p : pictures) {
        app.*p.image = CatchResource(p.resource, -1);
        NoteSize(p);
    }
    app.MagnifierCapture = static_cast<int>(TkCreateImage(-1, app.magnifierWidth / 3, app.magnifierHeight / 3, 24));
    app.captureWidth = TkImageWidth(app.MagnifierCapture);
    app.captureHeight = TkImageHeight(app.MagnifierCapture);
    app.panelBackgroundScale = app.panelIconScale = 0;
    app.guidePictureDpi = 0;
}

void FreeRetiredPictures()
{
    AppState& app = App();
    for (int image : app.retiredPictures)
        TkCatchImage(image, nullptr, 0);
    app.retiredPictures.clear();
}
