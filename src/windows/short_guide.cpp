#include "windows/short_guide.h"

#include "core/app_state.h"
#include "core/embedded_images.h"
#include "core/object_ids.h"
#include "toolkit/tk_images.h"
#include "toolkit/tk_scale.h"
#include "toolkit/tk_windows.h"

namespace {

constexpr uint32_t GuideWindowFlags = TkTitleBar | TkSystemMenu | TkCentred | TkScaled;

enum class Kind { Picture, Check, Ok };

struct GuideControl {
    int id;
    Kind kind;
    int x, y, w, h; // at 96 dpi
};

const GuideControl guideControls[] = {
    {GuideImage, Kind::Picture, 10, 10, 680, 450},
    {ShowGuideAtStartCheck, Kind::Check, 10, 470, 400, 20},
    {GuideOkButton, Kind::Ok, 600, 465, 90, 25},
};

const char* const GuideCheckText = "Diese Information bei Programmstart anzeigen";

void CreateGuideControl(const GuideControl& c, int dpi)
{
    const TkRect b = TkScaleBox(c.x, c.y, c.w, c.h, dpi);
    switch (c.kind) {
    case Kind::Picture:
        TkImageControl(c.id, b.left, b.top, b.Width(), b.Height(), TkImageHandle(App().GuideBitmap));
        break;
    case Kind::Check:
        TkCheckBox(c.id, b.left, b.top, b.Width(), b.Height(), GuideCheckText);
        TkSetControlState(c.id, App().settings.ShowShortGuide != 0 ? 1 : 0);
        break;
    case Kind::Ok:
        // OK is the default button: Enter, and Escape as well, close the guide as OK does.
        if (HWND ok = TkButton(c.id, b.left, b.top, b.Width(), b.Height(), "OK"))
            SendMessageA(ok, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
        break;
    }
}

// The guide's picture made for its box at the resolution.
bool UseGuidePictureFor(int dpi)
{
    for (const GuideControl& c : guideControls) {
        if (c.kind == Kind::Picture) {
            const TkRect b = TkScaleBox(c.x, c.y, c.w, c.h, dpi);
            return UseGuidePicture(dpi, b.Width(), b.Height());
        }
    }
    return false;
}

void RescaleShortGuide(int dpi, int x, int y)
{
    TkRescaleWindow(ShortGuideWindow, dpi, x, y);
    const bool newPicture = UseGuidePictureFor(dpi);
    for (const GuideControl& c : guideControls) {
        const TkRect b = TkScaleBox(c.x, c.y, c.w, c.h, dpi);
        if (c.kind == Kind::Picture && newPicture)
            TkSetControlState(c.id, reinterpret_cast<intptr_t>(TkImageHandle(App().GuideBitmap)));
        TkResizeControl(c.id, b.left, b.top, b.Width(), b.Height());
    }
}

// Moved onto a display of another scale: the guide is laid out anew there, its check box as the user left it.
LRESULT GuideCallback(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_DPICHANGED || window != TkWindowHandle(ShortGuideWindow))
        return CallbackDefault;
    const auto* suggested = reinterpret_cast<const RECT*>(lParam);
    RescaleShortGuide(HIWORD(wParam), suggested->left, suggested->top);
    return 0;
}

} // namespace

void OpenShortGuide()
{
    // A guide that is open already is replaced without recording its box: the new one shows the stored choice.
    if (TkWindowExists(ShortGuideWindow))
        TkCloseWindow(ShortGuideWindow);
    if (!TkOpenWindow(ShortGuideWindow, 10, 10, 700, 500, "Kurzanleitung - Tessaro", GuideWindowFlags))
        return;
    const int dpi = TkWindowDpi(ShortGuideWindow);
    UseGuidePictureFor(dpi);
    for (const GuideControl& c : guideControls)
        CreateGuideControl(c, dpi);
    TkAddShortcut(ShortGuideWindow, VK_RETURN, CmdCloseGuide);
    TkAddShortcut(ShortGuideWindow, VK_ESCAPE, CmdCloseGuide);
    TkSetWindowCallback(GuideCallback, ShortGuideWindow);
    TkSetWindowTopmost(ShortGuideWindow, 1);
}

void CloseShortGuide()
{
    if (!TkWindowExists(ShortGuideWindow))
        return;
    App().settings.ShowShortGuide = TkGetControlState(ShowGuideAtStartCheck);
    TkCloseWindow(ShortGuideWindow);
}
