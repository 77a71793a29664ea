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
        // Only the part on the screen is copied; beyond the screen's edge the view shows black, as the system's copy
        // gives it. (Under Wine a copy that reaches beyond the edge gives black for its whole area.)
        const TkRect screen{app.screenLeft, app.screenTop, app.screenRight, app.screenBottom};
        const TkRect part = MagnifierSource(p, app.captureWidth, screen);
        if (part.Width() != app.captureWidth || part.Height() != app.captureHeight)
            PatBlt(capture, 0, 0, app.captureWidth, app.captureHeight, BLACKNESS);
        // CAPTUREBLT takes layered windows, the ruler among them, into the copy.
        if (part.Width() > 0 && BitBlt(capture, part.left - originX, part.top - originY, part.Width(), part.Height(),
                                       desktop, part.left, part.top, SRCCOPY | CAPTUREBLT)) {
            const COLORREF middle = GetPixel(capture, p.x - originX, p.y - originY);
            if (middle != CLR_INVALID)
                colour = static_cast<int32_t>(middle & 0xFFFFFF);
        }
        TkStopDrawing();
    }
    ReleaseDC(GetDesktopWindow(), desktop);
    ShowMagnifierCapture();
    return colour;
}

void ShowMagnifierCapture()
{
    AppState& app = App();
    app.magnifierShowsCapture = true;
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
