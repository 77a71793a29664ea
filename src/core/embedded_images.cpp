#include "core/embedded_images.h"

#include <windows.h>

#include "core/app_state.h"
#include "resource_ids.h"
#include "toolkit/tk_images.h"

namespace {

struct Picture {
    int resource;
    int AppState::*image;
    int AppState::*width; // nullptr: the size is not needed
    int AppState::*height;
};

// In the order they are decoded.
const Picture pictures[] = {
    {ResRulerHand, &AppState::RulerCentreBitmap, &AppState::rulerCentreWidth, &AppState::rulerCentreHeight},
    {ResMainBackground, &AppState::MainBackgroundImage, nullptr, nullptr},
    {ResShortGuide, &AppState::GuideBitmap, &AppState::guideBitmapWidth, &AppState::guideBitmapHeight},
    {ResArrowUp, &AppState::MoveUpIcon, nullptr, nullptr},
    {ResArrowDown, &AppState::MoveDownIcon, nullptr, nullptr},
    {ResArrowLeft, &AppState::MoveLeftIcon, nullptr, nullptr},
    {ResArrowRight, &AppState::MoveRightIcon, nullptr, nullptr},
    {ResPlus, &AppState::GrowIcon, nullptr, nullptr},
    {ResMinus, &AppState::ShrinkIcon, nullptr, nullptr},
    {ResMagnifier, &AppState::MagnifierPicture, &AppState::magnifierWidth, &AppState::magnifierHeight},
    // The magnifier's work picture starts as a second copy of the same data.
    {ResMagnifier, &AppState::MagnifierZoom, nullptr, nullptr},
};

// Decodes one picture from the program's resources; 0 when it is missing or cannot be decoded.
int DecodeResource(int resource)
{
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(resource), MAKEINTRESOURCEA(10)); // RT_RCDATA
    if (!found)
        return 0;
    const void* data = LockResource(LoadResource(module, found));
    if (!data)
        return 0;
    return static_cast<int>(TkCatchImage(-1, data, SizeofResource(module, found)));
}

} // namespace

void LoadEmbeddedImages()
{
    TkUsePngDecoder();
    TkUseJpegDecoder();
    AppState& app = App();
    for (const Picture& p : pictures) {
        app.*p.image = DecodeResource(p.resource);
        if (p.width) {
            app.*p.width = TkImageWidth(app.*p.image);
            app.*p.height = TkImageHeight(app.*p.image);
        }
    }
    app.MagnifierCapture = static_cast<int>(TkCreateImage(-1, app.magnifierWidth / 3, app.magnifierHeight / 3, 24));
    app.captureWidth = TkImageWidth(app.MagnifierCapture);
    app.captureHeight = TkImageHeight(app.MagnifierCapture);
}
