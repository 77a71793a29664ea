#include "measure/magnifier.h"

#include <windows.h>

#include "core/app_state.h"
#include "core/object_ids.h"
#include "measure/magnifier_view.h"
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
}
