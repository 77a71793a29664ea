// The drawing pass. Boxes, lines and bitmaps are written straight into the DIB section's bits by the pixel code;
// GDI only renders text, into a scratch mask, because it writes no alpha and cannot blend: the mask's grey levels
// then carry the colour onto the target through the same modes as everything else.
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "toolkit/tk_glyphs.h"
#include "toolkit/tk_image_table.h"
#include "toolkit/tk_images.h"
#include "toolkit/tk_internal.h"
#include "toolkit/tk_test_hooks.h"

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

// A black 24-bit mask selected into dc with the font (turned by angle, 0 to 359 degrees), on which text renders
// white: its grey levels are then the text's coverage. The destructor selects the font and bitmap that dc held
// before.
class TextMask {
public:
    TextMask(HDC dc, int width, int height, HFONT font, int angle) : dc_(dc)
    {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 24;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (bitmap_ == nullptr || bits == nullptr) {
            return;
        }
        pixels_ = {static_cast<uint8_t*>(bits), width, height, static_cast<int>(TkRowStride(width, 24)), 24, false};
        previousBitmap_ = SelectObject(dc, bitmap_);
        previousFont_ = SelectObject(dc, font);
        // Wine moves a text aligned by its top down to its baseline in floating point and truncates: at a quarter
        // turn clockwise the cosine's rounding error moves the text a pixel along its line or not, depending on where
        // the pen stands in the mask. Aligned by its baseline, worked out here exactly on the axes, the text lands in
        // the same place wherever the pen stands.
        TEXTMETRICA metrics{};
        GetTextMetricsA(dc, &metrics);
        if (angle % 90 == 0) {
            const int sine[4] = {0, 1, 0, -1};
            baselineX_ = metrics.tmAscent * sine[angle / 90];
            baselineY_ = metrics.tmAscent * sine[(angle / 90 + 1) % 4];
        } else {
            const double radians = angle * 3.14159265358979323846 / 180.0;
            baselineX_ = static_cast<int>(std::lround(metrics.tmAscent * std::sin(radians)));
            baselineY_ = static_cast<int>(std::lround(metrics.tmAscent * std::cos(radians)));
        }
        SetTextAlign(dc, TA_LEFT | TA_BASELINE | TA_NOUPDATECP);
        SetTextColor(dc, RGB(255, 255, 255));
    }
    TextMask(const TextMask&) = delete;
    TextMask& operator=(const TextMask&) = delete;
    ~TextMask()
    {
        if (previousBitmap_ != nullptr) {
            SelectObject(dc_, previousFont_);
            SelectObject(dc_, previousBitmap_);
        }
        if (bitmap_ != nullptr) {
            DeleteObject(bitmap_);
        }
    }

    // nullptr when the mask could not be made.
    const TkPixels* Pixels() const { return previousBitmap_ != nullptr ? &pixels_ : nullptr; }

    // Clears the mask and renders text with the corner of its first cell at (x, y); OPAQUE renders the background
    // cell too, in the background colour of dc.
    void Render(int x, int y, std::string_view text, int backgroundMode)
    {
        GdiFlush();
        std::memset(pixels_.bits, 0, static_cast<size_t>(pixels_.stride) * pixels_.height);
        SetBkMode(dc_, backgroundMode);
        ExtTextOutA(dc_, x + baselineX_, y + baselineY_, 0, nullptr, text.data(), static_cast<UINT>(text.size()),
                    nullptr);
        GdiFlush();
    }

private:
    HDC dc_;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previousBitmap_ = nullptr;
    HGDIOBJ previousFont_ = nullptr;
    int baselineX_ = 0, baselineY_ = 0; // from the corner of the first cell to its baseline point
    TkPixels pixels_;
};

int NormalAngle(int angle)
{
    angle %= 360;
    return angle + (angle < 0 ? 360 : 0);
}

void DrawTextTurned(int x, int y, std::string_view text, int angle, int32_t colour)
{
    DrawingPass& pass = Pass();
    if (!pass.open || text.empty()) {
        return;
    }
    text = text.substr(0, INT_MAX);
    angle = NormalAngle(angle);
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
        TextMask mask(scratch, width, height, font, angle);
        if (mask.Pixels() != nullptr) {
            if (!(pass.mode & TkModeTransparentText)) {
                // White on white: the whole background cell, turned as the text is.
                SetBkColor(scratch, RGB(255, 255, 255));
                mask.Render(x - area.left, y - area.top, text, OPAQUE);
                TkPixelsPaintMask(pass.pixels, area.left, area.top, *mask.Pixels(), pass.textBackground, pass.mode);
            }
            mask.Render(x - area.left, y - area.top, text, TRANSPARENT);
            TkPixelsPaintMask(pass.pixels, area.left, area.top, *mask.Pixels(), colour, pass.mode);
        }
    }
    SelectObject(scratch, previousFont);
    DeleteDC(scratch);
}

// --- Digit glyphs ------------------------------------------------------------------------------------------------

bool gUseDigitGlyphs = true;
// Per font and angle (0 to 359): the glyphs of its digits, or nothing where its digits cannot be composed exactly.
std::map<std::pair<HFONT, int>, std::optional<TkDigitGlyphs>> gDigitGlyphs;

// Renders the digits of base turned by angle one by one. Nothing when the composed digits could differ from the
// whole text: an angle off the axes (the steps would fall between pixels), digits of different widths, kerning
// between digits, or glyphs that would touch one another's pixels.
std::optional<TkDigitGlyphs> RenderDigitGlyphs(HFONT base, int angle)
{
    const HFONT font = angle % 90 != 0 ? nullptr : angle == 0 ? base : TurnedFont(base, angle);
    if (font == nullptr) {
        return std::nullopt;
    }
    HDC scratch = CreateCompatibleDC(Pass().dc);
    if (scratch == nullptr) {
        return std::nullopt;
    }
    const HGDIOBJ previousFont = SelectObject(scratch, base);
    std::optional<TkDigitGlyphs> glyphs;
    INT widths[10] = {};
    TEXTMETRICA metrics{};
    std::vector<KERNINGPAIR> kerning(GetKerningPairsA(scratch, 0, nullptr));
    if (GetCharWidth32A(scratch, '0', '9', widths) && widths[0] > 0 &&
        std::all_of(widths, widths + 10, [&](INT w) { return w == widths[0]; }) &&
        GetKerningPairsA(scratch, static_cast<DWORD>(kerning.size()), kerning.data()) == kerning.size() &&
        std::none_of(kerning.begin(), kerning.end(),
                     [](const KERNINGPAIR& k) {
                         return k.iKernAmount != 0 && k.wFirst >= '0' && k.wFirst <= '9' && k.wSecond >= '0' &&
                                k.wSecond <= '9';
                     }) &&
        GetTextMetricsA(scratch, &metrics)) {
        // The pen in the middle of a mask that holds the glyph turned any way, overhangs included.
        const int reach = metrics.tmHeight + metrics.tmMaxCharWidth + 2;
        TextMask mask(scratch, 2 * reach + 1, 2 * reach + 1, font, angle);
        if (mask.Pixels() != nullptr) {
            glyphs.emplace();
            const int steps[4][2] = {{1, 0}, {0, -1}, {-1, 0}, {0, 1}}; // counter-clockwise, y downward
            glyphs->stepX = steps[angle / 90][0] * widths[0];
            glyphs->stepY = steps[angle / 90][1] * widths[0];
            for (char digit = '0'; digit <= '9'; ++digit) {
                mask.Render(reach, reach, std::string_view(&digit, 1), TRANSPARENT);
                glyphs->digits[static_cast<size_t>(digit - '0')] = TkCutGlyph(*mask.Pixels(), reach, reach);
            }
            if (!TkGlyphsStayApart(*glyphs)) {
                glyphs.reset();
            }
        }
    }
    SelectObject(scratch, previousFont);
    DeleteDC(scratch);
    return glyphs;
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
    const int stride = static_cast<int>(TkRowStride(size.bmWidth, bits));
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
    TkForgetDigitGlyphs();
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

bool TkDrawDigits(int x, int y, std::string_view digits, int angle, int32_t colour)
{
    DrawingPass& pass = Pass();
    if (!pass.open || !gUseDigitGlyphs || !(pass.mode & TkModeTransparentText)) {
        DrawTextTurned(x, y, digits, angle, colour);
        return false;
    }
    angle = NormalAngle(angle);
    const HFONT font = DrawingFont();
    auto found = gDigitGlyphs.find({font, angle});
    if (found == gDigitGlyphs.end()) {
        found = gDigitGlyphs.emplace(std::pair{font, angle}, RenderDigitGlyphs(font, angle)).first;
    }
    GdiFlush();
    if (!found->second || !TkPaintDigits(pass.pixels, x, y, digits, *found->second, colour, pass.mode)) {
        DrawTextTurned(x, y, digits, angle, colour);
        return false;
    }
    return true;
}

void TkUseDigitGlyphs(bool use)
{
    gUseDigitGlyphs = use;
}

void TkForgetDigitGlyphs()
{
    gDigitGlyphs.clear();
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
