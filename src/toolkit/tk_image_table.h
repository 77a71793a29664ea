// The toolkit's image records, shared by the image operations and the drawing pass.
#pragma once

#include <windows.h>

#include "toolkit/tk_pixels.h"

enum class TkImageSource { Created, Bmp, Icon, Png, Jpeg };

struct TkImageRecord {
    HANDLE handle = nullptr; // HBITMAP of a DIB section, or HICON
    bool icon = false;
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    int sourceDepth = 0;
    TkImageSource source = TkImageSource::Created;
    TkPixels pixels; // the DIB section's bits; empty for icons
};

TkImageRecord* TkFindImage(int image);
// The toolkit's bitmap with this handle, or nullptr.
TkImageRecord* TkFindBitmap(HANDLE handle);

// Ends the drawing pass if it draws on this bitmap, which is about to be freed or replaced: a bitmap still selected
// into the pass's device context cannot be deleted.
void TkEndDrawingOn(HANDLE bitmap);
// Ends any pass and frees what the drawing keeps, the digit glyphs too.
void TkReleaseDrawing();
