#include "core/embedded_images.h"

#include <algorithm>

#include <windows.h>

#include "core/app_state.h"
#include "measure/magnifier_view.h"
#include "resource_ids.h"
#include "toolkit/tk_images.h"
#include "toolkit/tk_scale.h"

namespace {

struct Picture {
    int resource;
    int AppState::*image;
    int AppState::*width = nullptr; // nullptr: the size is not needed
    int AppState::*height = nullptr;
    // The panel's background and icons, replaced for each scale: their size as drawn for 96 dpi.
    int panelWidth = 0, panelHeight = 0;
};

// In the order they are decoded.
const Picture pictures[] = {
    {ResRulerHand, &AppState::RulerCentreBitmap, &AppState::rulerCentreWidth, &AppState::rulerCentreHeight},
    {ResMainBackground, &AppState::MainBackgroundImage, nullptr, nullptr, 272, 452},
    {ResShortGuide, &AppState::GuideBitmap, &AppState::guideBitmapWidth, &AppState::guideBitmapHeight},
    {ResArrowUp, &AppState::MoveUpIcon, nullptr, nullptr, 16, 16},
    {ResArrowDown, &AppState::MoveDownIcon, nullptr, nullptr, 16, 16},
    {ResArrowLeft, &AppState::MoveLeftIcon, nullptr, nullptr, 16, 16},
    {ResArrowRight, &AppState::MoveRightIcon, nullptr, nullptr, 16, 16},
    {ResPlus, &AppState::GrowIcon, nullptr, nullptr, 16, 16},
    {ResMinus, &AppState::ShrinkIcon, nullptr, nullptr, 16, 16},
    {ResMagnifier, &AppState::MagnifierPicture, &AppState::magnifierWidth, &AppState::magnifierHeight},
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

// Puts a new picture in place of the one in use; the old one is retired: controls still show it until they are
// handed the new one, after which FreeRetiredPictures frees it. False (and nothing changed) for none.
bool Replace(int& image, int fresh)
{
    if (fresh == 0)
        return false;
    App().retiredPictures.push_back(image);
    image = fresh;
    return true;
}

// The picture as drawn for the resolution: the set drawn for it, else the smallest drawn for more (the largest
// above them), reduced or enlarged by averaging to its 96-dpi size times the scale, so that its lines stay where
// the layout's boxes are and as sharp as averaging keeps them.
int CatchScaled(const Picture& p, int dpi)
{
    const int scale = TkPictureScaleAtLeast(dpi);
    const int image = CatchResource(p.resource + scale * ScaledResourceStep, -1);
    if (image != 0 && TkPictureDpis[scale] != dpi &&
        !TkResizeImage(image, TkScaleLength(p.panelWidth, dpi), TkScaleLength(p.panelHeight, dpi), TkResizeAveraged)) {
        TkCatchImage(image, nullptr, 0);
        return 0;
    }
    return image;
}

// The magnifier's start picture for a block size, its cells drawn after the 96-dpi picture's 3 x 3 ones: the first
// row and column of a block as a cell's first, the last as its last, the rest as its middle.
int DrawMagnifierStart(int block)
{
    const int base = CatchResource(ResMagnifier, -1);
    if (block == 3 || base == 0)
        return base;
    COLORREF sheen = 0, middle = 0, seam = 0;
    if (HDC dc = reinterpret_cast<HDC>(TkStartDrawing(TkImageOutput(base)))) {
        sheen = GetPixel(dc, 0, 0);
        middle = GetPixel(dc, 1, 1);
        seam = GetPixel(dc, 2, 2);
        TkStopDrawing();
    }
    const int side = TkImageWidth(base) / 3;
    TkCatchImage(base, nullptr, 0);
    const int image = static_cast<int>(TkCreateImage(-1, side * block, side * block, 24));
    if (image == 0 || !TkStartDrawing(TkImageOutput(image)))
        return image;
    const auto colour = [](COLORREF c) { return TkRGB(GetRValue(c), GetGValue(c), GetBValue(c)); };
    TkBox(0, 0, side * block, side * block, colour(middle));
    for (int k = 0; k < side; ++k) {
        TkBox(k * block + block - 1, 0, 1, side * block, colour(seam));
        TkBox(0, k * block + block - 1, side * block, 1, colour(seam));
    }
    if (block > 1)
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x)
                TkBox(x * block, y * block, 1, 1, colour(sheen));
    TkStopDrawing();
    return image;
}

// The scales whose panel pictures are kept besides the one in use: Windows offers nine scales from 100 to 350 %,
// and a desk's monitors use a few of them.
constexpr size_t MostKeptScales = 8;

// Takes the pictures kept for the resolution out of the store; empty when there are none.
std::vector<int> TakeKeptPictures(int dpi)
{
    std::vector<KeptPanelPictures>& kept = App().keptPanelPictures;
    const auto found =
        std::find_if(kept.begin(), kept.end(), [dpi](const KeptPanelPictures& k) { return k.dpi == dpi; });
    if (found == kept.end())
        return {};
    std::vector<int> images = std::move(found->images);
    kept.erase(found);
    return images;
}

// Stores the pictures the panel leaves with its resolution; the store's oldest scale makes room, its pictures
// retired (no control shows them).
void KeepPictures(int dpi, std::vector<int> images)
{
    AppState& app = App();
    if (std::all_of(images.begin(), images.end(), [](int image) { return image == 0; }))
        return;
    if (app.keptPanelPictures.size() == MostKeptScales) {
        for (int image : app.keptPanelPictures.front().images)
            if (image != 0)
                app.retiredPictures.push_back(image);
        app.keptPanelPictures.erase(app.keptPanelPictures.begin());
    }
    app.keptPanelPictures.push_back({dpi, std::move(images)});
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
    if (dpi == app.panelPictureDpi)
        return false;
    const std::vector<int> found = TakeKeptPictures(dpi);
    std::vector<int> left;
    bool replaced = false;
    for (const Picture& p : pictures) {
        if (p.panelWidth == 0)
            continue;
        const size_t slot = left.size();
        left.push_back(0);
        if (app.*p.image == 0)
            continue;
        const int fresh = slot < found.size() && found[slot] != 0 ? found[slot] : CatchScaled(p, dpi);
        if (fresh == 0)
            continue;
        left[slot] = app.*p.image;
        app.*p.image = fresh;
        replaced = true;
    }
    KeepPictures(app.panelPictureDpi, std::move(left));
    app.panelPictureDpi = dpi;
    // The view is whole blocks of the resolution's size: its start picture is drawn for that block.
    if (app.MagnifierPicture != 0 && TkImageWidth(app.MagnifierPicture) != app.captureWidth * MagnifierBlock(dpi)) {
        replaced = Replace(app.MagnifierPicture, DrawMagnifierStart(MagnifierBlock(dpi))) || replaced;
        app.magnifierWidth = TkImageWidth(app.MagnifierPicture);
        app.magnifierHeight = TkImageHeight(app.MagnifierPicture);
    }
    return replaced;
}

bool UseGuidePicture(int dpi, int width, int height)
{
    AppState& app = App();
    if (dpi == app.guidePictureDpi && width == app.guideBitmapWidth && height == app.guideBitmapHeight)
        return false;
    app.guidePictureDpi = dpi;
    // The guide's picture is carried drawn for 96 dpi and for 200 %; at every other scale the 200 % one is reduced
    // or enlarged to the box by averaging, which keeps its lines and letters sharp (and the program small).
    const int scale = dpi <= 96 ? 0 : TkPictureScaleAtMost(192);
    const int image = app.GuideBitmap != 0 ? CatchResource(ResShortGuide + scale * ScaledResourceStep, -1) : 0;
    if (image != 0 && (TkImageWidth(image) != width || TkImageHeight(image) != height))
        TkResizeImage(image, width, height, TkResizeAveraged);
    const bool replaced = Replace(app.GuideBitmap, image);
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
    app.panelPictureDpi = TkBaseDpi;
    app.guidePictureDpi = 0;
    app.keptPanelPictures.clear();
}

void FreeRetiredPictures()
{
    AppState& app = App();
    for (int image : app.retiredPictures)
        TkCatchImage(image, nullptr, 0);
    app.retiredPictures.clear();
}
