#include "measure/magnifier.h"

#include <windows.h>

#include "core/app_state.h"
#include "core/object_ids.h"
#include "measure/magnifier_view.h"
#include "toolkit/tk_images.h"
#include "toolkit/tk_windows.h"

int32_t RefreshMagnifier(TkPoint p)
{
    AppState& app = App();
    const int originX = p.x - app.captureWidth / 2, originY = p.y - app.captureHeight / 2;
    HDC desktop = GetDC(GetDesktopWindow());
    if (!desktop)
        return -1;
    int32_t colour = -1;
    if (HDC capture = reinterpret_cast<HDC>(TkStartDrawing(TkImageOutput(app.MagnifierCapture)))) {
        // CAPTUREBLT takes layered windows, the ruler among them, into the copy.
        // A copy reaching beyond the screen's edge is not a reading of the middle everywhere (Wine copies nothing
        // of it then): the colour is read alone there.
        const bool onScreen = originX >= app.screenLeft && originY >= app.screenTop &&
                              originX + app.captureWidth <= app.screenRight &&
                              originY + app.captureHeight <= app.screenBottom;
        if (BitBlt(capture, 0, 0, app.captureWidth, app.captureHeight, desktop, originX, originY,
                   SRCCOPY | CAPTUREBLT) &&
            onScreen) {
            const COLORREF middle = GetPixel(capture, p.x - originX, p.y - originY);
            if (middle != CLR_INVALID)
                colour = static_cast<int32_t>(middle & 0xFFFFFF);
        }
        TkStopDrawing();
    }
    ReleaseDC(GetDesktopWindow(), desktop);

    // The view is a whole number of blocks per captured pixel at every scale of the panel (3 at 96 dpi).
    TkCopyImage(app.MagnifierCapture, app.MagnifierZoom);
    TkResizeImage(app.MagnifierZoom, app.magnifierWidth, app.magnifierHeight, 1);
    if (TkStartDrawing(TkImageOutput(app.MagnifierPicture))) {
        TkDrawImage(TkImageHandle(app.MagnifierZoom), 0, 0);
        TkDrawingMode(TkModeOutline);
        const int block = app.captureWidth > 0 ? app.magnifierWidth / app.captureWidth : 3;
        const TkRect mark = MagnifierMark(block, app.captureWidth);
        TkBox(mark.left, mark.top, mark.Width(), mark.Height(), TkRGB(255, 0, 0));
        TkStopDrawing();
    }
    TkSetControlState(MagnifierView, reinterpret_cast<intptr_t>(TkImageHandle(app.MagnifierPicture)));
    return colour;
}
