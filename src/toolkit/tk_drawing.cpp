// The drawing pass. Boxes, lines and bitmaps are written straight into the DIB section's bits by the pixel code;
// GDI only renders text, into a scratch mask, because it writes no alpha and cannot blend: the mask's grey levels
// then carry the colour onto the target through the same modes as everything else.
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <vector>

#include "toolkit/tk_image_table.h"
#include "toolkit/tk_images.h"

namespace {

struct DrawingPass {
    bool open = false;
    HANDLE target = nullptr;
    TkPixels pixels;
    HDC dc = nullptr;
    HGDIOBJ previousBitmap = nullptr;
    DWORD previousBatchLimit = 0;
    int mode = TkModeDefault;
    HFONT font = nullptr; // nullptr: the default GUI font
    int32_t textBackground = TkRGBA(0, 0, 0, 255);
    // The drawing font turned for TkDrawRotatedText, rebuilt when the font or the angle changes.
    HFONT turnedFont = nullptr;
    HFONT turnedFrom = nullptr;
    int turnedAngle = 0;
};

DrawingPass& Pass()
{
    static DrawingPass pass;
    return pass;
}

HFONT DrawingFont()
{
    return Pass().font ? Pass().font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

HFONT TurnedFont(HFONT base, int angle)
{
    DrawingPass& pass = Pass();
    if (pass.turnedFont != nullptr && pass.turnedFrom == base && pass.turnedAngle == angle) {
        return pass.turnedFont;
    }
    if (pass.turnedFont != nullptr) {
        DeleteObject(pass.turnedFont);
        pass.turnedFont = nullptr;
    }
    LOGFONTA description{};
    if (GetObjectA(base, sizeof(description), &description) != sizeof(description)) {
        return nullptr;
    }
    description.lfEscapement = angle * 10;
    description.lfOrientation = angle * 10;
    description.lfOutPrecision = OUT_TT_PRECIS;
    pass.turnedFont = CreateFontIndirectA(&description);
    pass.turnedFrom = base;
    pass.turnedAngle = angle;
    return pass.turnedFont;
}

struct Area {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// The part of the target that the text cell, turned about (x, y), can touch: the box round the turned cell, widened
// for glyphs that overhang their cell, clipped to the target.
Area TextArea(HDC dc, int x, int y, std::string_view text, int angle)
{
    SIZE cell{};
    TEXTMETRICA metrics{};
    GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &cell);
    GetTextMetricsA(dc, &metrics);
    const double radians = angle * 3.14159265358979323846 / 180.0;
    const double c = std::cos(radians), s = std::sin(radians);
    double minX = x, maxX = x, minY = y, maxY = y;
    for (const auto& [u, v] : {std::pair{cell.cx, 0L}, std::pair{0L, cell.cy}, std::pair{cell.cx, cell.cy}}) {
        // Counter-clockwise on the screen, whose y axis points down.
        const double px = x + u * c + v * s, py = y - u * s + v * c;
        minX = std::min(minX, px);
        maxX = std::max(maxX, px);
        minY = std::min(minY, py);
        maxY = std::max(maxY, py);
    }
    const double margin = std::max(metrics.tmHeight, metrics.tmMaxCharWidth) / 2 + 2;
    const TkPixels& target = Pass().pixels;
    Area area;
    area.left = static_cast<int>(std::clamp(std::floor(minX - margin), 0.0, static_cast<double>(target.width)));
    area.right = static_cast<int>(std::clamp(std::ceil(maxX + margin), 0.0, static_cast<double>(target.width)));
    area.top = static_cast<int>(std::clamp(std::floor(minY - margin), 0.0, static_cast<double>(target.height)));
    area.bottom = static_cast<int>(std::clamp(std::ceil(maxY + margin), 0.0, static_cast<double>(target.height)));
    return area;
}

void DrawTextTurned(int x, int y, std::string_view text, int angle, int32_t colour)
{
    DrawingPass& pass = Pass();
    if (!pass.open || text.empty()) {
        return;
    }
    text = text.substr(0, INT_MAX);
    angle %= 360;
    angle += angle < 0 ? 360 : 0;
    const HFONT base = DrawingFont();
    const HFONT font = angle == 0 ? base : TurnedFont(base, angle);
    if (font == nullptr) {
        return;
    }
    HDC scratch = CreateCompatibleDC(pass.dc);
    if (scratch == nullptr) {
        return;
    }
    const HGDIOBJ previousFont = SelectObject(scratch, base);
    const Area area = TextArea(scratch, x, y, text, angle);
    const int width = area.right - area.left, height = area.bottom - area.top;
    if (width > 0 && height > 0) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 24;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        HBITMAP maskBitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (maskBitmap != nullptr && bits != nullptr) {
            const TkPixels mask{static_cast<uint8_t*>(bits), width, height, (width * 24 + 31) / 32 * 4, 24, false};
            const HGDIOBJ previousBitmap = SelectObject(scratch, maskBitmap);
            SelectObject(scratch, font);
            SetTextAlign(scratch, TA_LEFT | TA_TOP | TA_NOUPDATECP);
            SetTextColor(scratch, RGB(255, 255, 255));
            const auto render = [&](int backgroundMode) {
                GdiFlush();
                std::memset(bits, 0, static_cast<size_t>(mask.stride) * height);
                SetBkMode(scratch, backgroundMode);
                ExtTextOutA(scratch, x - area.left, y - area.top, 0, nullptr, text.data(),
                            static_cast<UINT>(text.size()), nullptr);
                GdiFlush();
            };
            if (!(pass.mode & TkModeTransparentText)) {
                // White on white: the whole background cell, turned as the text is.
                SetBkColor(scratch, RGB(255, 255, 255));
                render(OPAQUE);
                TkPixelsPaintMask(pass.pixels, area.left, area.top, mask, pass.textBackground, pass.mode);
            }
            render(TRANSPARENT);
            TkPixelsPaintMask(pass.pixels, area.left, area.top, mask, colour, pass.mode);
            SelectObject(scratch, previousBitmap);
        }
        if (maskBitmap != nullptr) {
            DeleteObject(maskBitmap);
        }
    }
    SelectObject(scratch, previousFont);
    DeleteDC(scratch);
}

// A bitmap that is not one of the toolkit's, fetched top-down through GDI: GetObject reports no row order, so its
// bits cannot be addressed directly.
bool ForeignPixels(HANDLE image, std::vector<uint8_t>& memory, TkPixels& pixels)
{
    BITMAP size{};
    if (GetObjectType(image) != OBJ_BITMAP || GetObjectA(image, sizeof(size), &size) != sizeof(size) ||
        size.bmWidth <= 0 || size.bmHeight <= 0) {
        return false;
    }
    // Deeper bitmaps arrive with their alpha; everything else is opaque and fetched without it.
    const int bits = size.bmBitsPixel == 32 ? 32 : 24;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = size.bmWidth;
    info.bmiHeader.biHeight = -size.bmHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(bits);
    info.bmiHeader.biCompression = BI_RGB;
    const int stride = (size.bmWidth * bits + 31) / 32 * 4;
    memory.resize(static_cast<size_t>(stride) * size.bmHeight);
    if (GetDIBits(Pass().dc, static_cast<HBITMAP>(image), 0, size.bmHeight, memory.data(), &info, DIB_RGB_COLORS) !=
        size.bmHeight) {
        return false;
    }
    pixels = {memory.data(), size.bmWidth, size.bmHeight, stride, bits, false};
    return true;
}

} // namespace

void TkEndDrawingOn(HANDLE bitmap)
{
    if (Pass().open && Pass().target == bitmap) {
        TkStopDrawing();
    }
}

void TkReleaseDrawing()
{
    TkStopDrawing();
}

intptr_t TkStartDrawing(intptr_t target)
{
    DrawingPass& pass = Pass();
    TkStopDrawing();
    const TkImageRecord* record = TkFindBitmap(reinterpret_cast<HANDLE>(target));
    if (record == nullptr) {
        return 0;
    }
    HDC dc = CreateCompatibleDC(nullptr);
    if (dc == nullptr) {
        return 0;
    }
    const HGDIOBJ previous = SelectObject(dc, record->handle);
    if (previous == nullptr || previous == HGDI_ERROR) {
        DeleteDC(dc);
        return 0;
    }
    pass.open = true;
    pass.target = record->handle;
    pass.pixels = record->pixels;
    pass.dc = dc;
    pass.previousBitmap = previous;
    pass.previousBatchLimit = GdiSetBatchLimit(1);
    pass.mode = TkModeDefault;
    pass.font = nullptr;
    pass.textBackground = TkRGBA(0, 0, 0, 255);
    return reinterpret_cast<intptr_t>(dc);
}

void TkStopDrawing()
{
    DrawingPass& pass = Pass();
    if (!pass.open) {
        return;
    }
    GdiFlush();
    SelectObject(pass.dc, pass.previousBitmap);
    DeleteDC(pass.dc);
    GdiSetBatchLimit(pass.previousBatchLimit);
    if (pass.turnedFont != nullptr) {
        DeleteObject(pass.turnedFont);
    }
    pass = DrawingPass{};
}

void TkDrawingMode(int mode)
{
    Pass().mode = mode;
}

void TkBox(int x, int y, int width, int height, int32_t colour)
{
    if (Pass().open) {
        GdiFlush();
        TkPixelsBox(Pass().pixels, x, y, width, height, colour, Pass().mode);
    }
}

void TkLine(int x, int y, int width, int height, int32_t colour)
{
    if (Pass().open) {
        GdiFlush();
        TkPixelsLine(Pass().pixels, x, y, width, height, colour, Pass().mode);
    }
}

void TkDrawingFont(HFONT font)
{
    if (Pass().open) {
        Pass().font = font;
    }
}

void TkDrawText(int x, int y, std::string_view text, int32_t colour)
{
    DrawTextTurned(x, y, text, 0, colour);
}

void TkDrawRotatedText(int x, int y, std::string_view text, int angle, int32_t colour)
{
    DrawTextTurned(x, y, text, angle, colour);
}

void TkDrawImage(HANDLE image, int x, int y)
{
    DrawingPass& pass = Pass();
    if (!pass.open || image == nullptr) {
        return;
    }
    GdiFlush();
    TkPixels source;
    std::vector<uint8_t> memory;
    if (const TkImageRecord* record = TkFindBitmap(image)) {
        TkPixelsBlit(pass.pixels, x, y, record->pixels, pass.mode);
    } else if (ForeignPixels(image, memory, source)) {
        TkPixelsBlit(pass.pixels, x, y, source, pass.mode);
    } else {
        DrawIconEx(pass.dc, x, y, static_cast<HICON>(image), 0, 0, 0, nullptr, DI_NORMAL);
    }
    GdiFlush();
}
