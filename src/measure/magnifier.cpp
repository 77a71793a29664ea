#include "measure/magnifier.h"

#include <windows.h>

#include "core/app_state.h"
#include "core/object_ids.h"
#include "toolkit/tk_images.h"
#include "toolkit/tk_windows.h"

void RefreshMagnifier(TkPoint p)
{
    AppState& app = App();
    const int originX = p.x - app.captureWidth / 2, originY = p.y - app.captureHeight / 2;
    HDC desktop = GetDC(GetDesktopWindow());
    if (!desktop)
        return;
    if (HDC capture = reinterpret_cast<HDC>(TkStartDrawing(TkImageOutput(app.MagnifierCapture)))) {
        // CAPTUREBLT takes layered windows, the ruler among them, into the copy.
        BitBlt(capture, 0, 0, app.captureWidth, app.captureHeight, desktop, originX, originY, SRCCOPY | CAPTUREBLT);
        TkStopDrawing();
    }
    ReleaseDC(GetDesktopWindow(), desktop);

    TkCopyImage(app.MagnifierCapture, app.MagnifierZoom);
    TkResizeImage(app.MagnifierZoom, app.magnifierWidth, app.magnifierHeight, 1);
    if (TkStartDrawing(TkImageOutput(app.MagnifierPicture))) {
        TkDrawImage(TkImageHandle(app.MagnifierZoom), 0, 0);
        TkDrawingMode(TkModeOutline);
        TkBox(app.magnifierWidth / 2 - 1, app.magnifierHeight / 2 - 1, 3, 3, TkRGB(255, 0, 0));
        TkStopDrawing();
    }
    TkSetControlState(MagnifierView, reinterpret_cast<intptr_t>(TkImageHandle(app.MagnifierPicture)));
}
