#include "windows/scaled_window.h"

#include "core/embedded_images.h"
#include "toolkit/tk_images.h"
#include "toolkit/tk_scale.h"
#include "toolkit/tk_windows.h"

namespace {

TkRect ControlBox(const ScaledWindow& layout, const ControlSpec& c, int dpi)
{
    return layout.box ? layout.box(c, dpi) : TkScaleBox(c.x, c.y, c.w, c.h, dpi);
}

// The picture a control shows, nullptr for none.
HANDLE ControlPicture(const ControlSpec& c)
{
    return c.picture ? TkImageHandle(App().*c.picture) : nullptr;
}

void BuildControl(const ControlSpec& c, const TkRect& b)
{
    const int x = b.left, y = b.top, w = b.Width(), h = b.Height();
    switch (c.kind) {
    case ControlKind::Frame: TkFrame(c.id, x, y, w, h, c.text, 2); break;
    case ControlKind::Image: TkImageControl(c.id, x, y, w, h, ControlPicture(c)); break;
    case ControlKind::Option: TkOptionButton(c.id, x, y, w, h, c.text); break;
    case ControlKind::IconButton: TkImageButton(c.id, x, y, w, h, ControlPicture(c)); break;
    case ControlKind::Text: TkTextControl(c.id, x, y, w, h, c.text, c.style); break;
    case ControlKind::Check: TkCheckBox(c.id, x, y, w, h, c.text); break;
    case ControlKind::Button: TkButton(c.id, x, y, w, h, c.text); break;
    case ControlKind::Edit: TkEditField(c.id, x, y, w, h, c.text); break;
    case ControlKind::Swatch:
        TkContainer(c.id, x, y, w, h, 0);
        TkEndContainer();
        break;
    }
    if (c.back != -1)
        TkSetControlColor(c.id, TkBackColour, c.back);
    if (c.fore != -1)
        TkSetControlColor(c.id, TkTextColour, c.fore);
}

} // namespace

void BuildScaledControls(const ScaledWindow& layout)
{
    const int dpi = TkWindowDpi(layout.window);
    layout.usePictures(dpi);
    for (const ControlSpec& c : layout.controls)
        BuildControl(c, ControlBox(layout, c, dpi));
    FreeRetiredPictures();
}

TkRect ScaledControlBox(const ScaledWindow& layout, int control, int dpi)
{
    for (const ControlSpec& c : layout.controls)
        if (c.id == control)
            return ControlBox(layout, c, dpi);
    return {};
}

LRESULT FollowDisplayScale(HWND window, UINT message, WPARAM, LPARAM)
{
    for (const ScaledWindow* layout : {&MainWindowLayout, &ShortGuideLayout, &CalibrationLayout}) {
        if (message != WM_DPICHANGED || window != TkWindowHandle(layout->window))
            continue;
        const int dpi = TkWindowDpi(layout->window);
        // The pictures are handed over before the controls are placed: a picture control sizes itself to its
        // picture, which has the system erase the window at once if the moves had left it to be painted.
        const bool newPictures = layout->usePictures(dpi);
        if (newPictures)
            for (const ControlSpec& c : layout->controls)
                if (HANDLE picture = ControlPicture(c))
                    TkSetControlState(c.id, reinterpret_cast<intptr_t>(picture));
        TkBeginControlMoves(static_cast<int>(layout->controls.size()));
        for (const ControlSpec& c : layout->controls) {
            const TkRect b = ControlBox(*layout, c, dpi);
            TkResizeControl(c.id, b.left, b.top, b.Width(), b.Height());
        }
        TkEndControlMoves();
        if (layout->followScale)
            layout->followScale(newPictures);
        FreeRetiredPictures();
    }
    return CallbackDefault;
}
