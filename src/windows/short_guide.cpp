#include "windows/short_guide.h"

#include "core/app_state.h"
#include "core/embedded_images.h"
#include "core/object_ids.h"
#include "toolkit/tk_windows.h"
#include "windows/scaled_window.h"

namespace {

constexpr uint32_t GuideWindowFlags = TkTitleBar | TkSystemMenu | TkCentred | TkScaled;

const char* const GuideCheckText = "Diese Information bei Programmstart anzeigen";

constexpr ControlSpec guideControls[] = {
    {GuideImage, ControlKind::Image, 10, 10, 680, 450, "", 0, -1, -1, &AppState::GuideBitmap},
    {ShowGuideAtStartCheck, ControlKind::Check, 10, 470, 400, 20, GuideCheckText},
    {GuideOkButton, ControlKind::Button, 600, 465, 90, 25, "OK"},
};

// The guide's picture made for its box at the resolution.
bool UseGuidePictureFor(int dpi)
{
    const TkRect b = ScaledControlBox(ShortGuideLayout, GuideImage, dpi);
    return UseGuidePicture(dpi, b.Width(), b.Height());
}

} // namespace

const ScaledWindow ShortGuideLayout{ShortGuideWindow, guideControls, UseGuidePictureFor, nullptr, nullptr};

void OpenShortGuide()
{
    // A guide that is open already is replaced without recording its box: the new one shows the stored choice.
    if (TkWindowExists(ShortGuideWindow))
        TkCloseWindow(ShortGuideWindow);
    if (!TkOpenWindow(ShortGuideWindow, 10, 10, 700, 500, "Kurzanleitung - Tessaro", GuideWindowFlags))
        return;
    BuildScaledControls(ShortGuideLayout);
    TkSetControlState(ShowGuideAtStartCheck, App().settings.ShowShortGuide != 0 ? 1 : 0);
    // OK is the default button: Enter, and Escape as well, close the guide as OK does.
    if (HWND ok = TkControlHandle(GuideOkButton))
        SendMessageA(ok, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    TkAddShortcut(ShortGuideWindow, VK_RETURN, CmdCloseGuide);
    TkAddShortcut(ShortGuideWindow, VK_ESCAPE, CmdCloseGuide);
    TkSetWindowCallback(FollowDisplayScale, ShortGuideWindow);
    TkSetWindowTopmost(ShortGuideWindow, 1);
}

void CloseShortGuide()
{
    if (!TkWindowExists(ShortGuideWindow))
        return;
    App().settings.ShowShortGuide = TkGetControlState(ShowGuideAtStartCheck);
    TkCloseWindow(ShortGuideWindow);
}
