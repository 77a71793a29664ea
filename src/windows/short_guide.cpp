#include "windows/short_guide.h"

#include "core/app_state.h"
#include "core/object_ids.h"
#include "toolkit/tk_images.h"
#include "toolkit/tk_windows.h"

namespace {

constexpr uint32_t GuideWindowFlags = TkTitleBar | TkSystemMenu | TkCentred;

} // namespace

void OpenShortGuide()
{
    // A guide that is open already is replaced without recording its box: the new one shows the stored choice.
    if (TkWindowExists(ShortGuideWindow))
        TkCloseWindow(ShortGuideWindow);
    AppState& app = App();
    if (!TkOpenWindow(ShortGuideWindow, 10, 10, 700, 500, "Kurzanleitung - Tessaro", GuideWindowFlags))
        return;
    TkImageControl(GuideImage, 10, 10, app.guideBitmapWidth, app.guideBitmapHeight, TkImageHandle(app.GuideBitmap));
    TkCheckBox(ShowGuideAtStartCheck, 10, 470, 400, 20, "Diese Information bei Programmstart anzeigen");
    TkSetControlState(ShowGuideAtStartCheck, app.settings.ShowShortGuide != 0 ? 1 : 0);
    // OK is the default button: Enter, and Escape as well, close the guide as OK does.
    if (HWND ok = TkButton(GuideOkButton, 600, 465, 90, 25, "OK"))
        SendMessageA(ok, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    TkAddShortcut(ShortGuideWindow, VK_RETURN, CmdCloseGuide);
    TkAddShortcut(ShortGuideWindow, VK_ESCAPE, CmdCloseGuide);
    TkSetWindowTopmost(ShortGuideWindow, 1);
}

void CloseShortGuide()
{
    if (!TkWindowExists(ShortGuideWindow))
        return;
    App().settings.ShowShortGuide = TkGetControlState(ShowGuideAtStartCheck);
    TkCloseWindow(ShortGuideWindow);
}
