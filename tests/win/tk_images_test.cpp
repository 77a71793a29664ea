#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "files.h"
#include "toolkit/tk_images.h"
#include "toolkit/tk_internal.h"
#include "win_test_support.h"
#include "wine.h"

namespace {

using Bytes = std::vector<uint8_t>;
using Bgra = std::array<int, 4>; // the fourth value is -1 for 24-bit bitmaps

// A bitmap's pixels as the system hands them out, top-down, never read through the toolkit's own view. (GetObject
// cannot tell the row order: it reports a positive height for top-down DIB sections too.)
struct Dib {
    bool valid = false; // a DIB section whose pixels could be read
    int width = 0, height = 0, bits = 0;
    std::vector<uint8_t> rows;

    explicit Dib(HANDLE bitmap)
    {
        DIBSECTION section{};
        if (GetObjectA(bitmap, sizeof(section), &section) != sizeof(section) || section.dsBm.bmBits == nullptr) {
            return;
        }
        width = section.dsBm.bmWidth;
        height = section.dsBm.bmHeight;
        bits = section.dsBm.bmBitsPixel;
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, static_cast<WORD>(bits), BI_RGB, 0, 0, 0, 0, 0};
        rows.resize(static_cast<size_t>(Stride()) * height);
        HDC screen = GetDC(nullptr);
        const int read = GetDIBits(screen, static_cast<HBITMAP>(bitmap), 0, height, rows.data(), &info, DIB_RGB_COLORS);
        ReleaseDC(nullptr, screen);
        valid = read == height;
    }
    int Stride() const { return (width * bits + 31) / 32 * 4; }
    Bgra At(int x, int y) const
    {
        const uint8_t* p = rows.data() + static_cast<size_t>(y) * Stride() + static_cast<size_t>(x) * (bits / 8);
        return {p[0], p[1], p[2], bits == 32 ? p[3] : -1};
    }
};

struct Ink {
    int count = 0, left = INT32_MAX, top = INT32_MAX, right = -1, bottom = -1;
};

Ink FindInk(const Dib& dib)
{
    Ink ink;
    for (int y = 0; y < dib.height; ++y) {
        for (int x = 0; x < dib.width; ++x) {
            if (dib.At(x, y)[3] >= 128) {
                ++ink.count;
                ink.left = std::min(ink.left, x);
                ink.right = std::max(ink.right, x);
                ink.top = std::min(ink.top, y);
                ink.bottom = std::max(ink.bottom, y);
            }
        }
    }
    return ink;
}

class TkImagesTest : public testing::Test {
protected:
    void SetUp() override
    {
        TkUsePngDecoder();
        TkUseJpegDecoder();
        font = CreateFontA(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           DEFAULT_QUALITY, DEFAULT_PITCH, "Arial");
    }
    void TearDown() override
    {
        TkReleaseImages();
        DeleteObject(font);
    }

    // Opaque black text on a transparent 32-bit image, drawn the way the scales' numbers are: whole, or composed
    // from digit glyphs (then composed tells whether the glyphs drew it).
    int DrawScaleText(int width, int height, int x, int y, const char* text, int angle, bool* composed = nullptr)
    {
        const int image = static_cast<int>(TkCreateImage(-1, width, height, 32));
        EXPECT_NE(TkStartDrawing(TkImageOutput(image)), 0);
        TkDrawingMode(TkModeAlphaChannel);
        TkBox(0, 0, width, height, TkRGBA(0, 0, 0, 0));
        TkDrawingMode(TkModeAlphaBlend | TkModeTransparentText);
        TkDrawingFont(font);
        if (composed != nullptr)
            *composed = TkDrawDigits(x, y, text, angle, TkRGBA(0, 0, 0, 255));
        else
            TkDrawRotatedText(x, y, text, angle, TkRGBA(0, 0, 0, 255));
        TkStopDrawing();
        return image;
    }

    HFONT font = nullptr;
};

TEST_F(TkImagesTest, CaughtPicturesBecomeDibSectionsHoldingTheirPixels)
{
    struct Case {
        const char* file;
        int width, height, bits;
        int x, y;
        Bgra expected;
    };
    const Case cases[] = {
        {"odd-5x3.bmp", 5, 3, 24, 4, 2, {3, 2, 1, -1}},
        {"alpha-3x2.bmp", 3, 2, 32, 1, 0, {0, 255, 0, 127}},
        {"rgb-3x2.png", 3, 2, 24, 2, 1, {30, 20, 10, -1}},
        {"tiny-rgba.png", 4, 2, 32, 3, 0, {255, 255, 255, 127}},
        {"tiny-rgb.jpg", 16, 16, 24, 15, 15, {50, 100, 200, -1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const Bytes data = TestDataFile(c.file);
        const int image = static_cast<int>(TkCatchImage(-1, data.data(), data.size()));
        ASSERT_NE(image, 0);
        EXPECT_EQ(TkImageWidth(image), c.width);
        EXPECT_EQ(TkImageHeight(image), c.height);
        const Dib dib(TkImageHandle(image));
        ASSERT_TRUE(dib.valid) << "not a DIB section";
        EXPECT_EQ(dib.width, c.width);
        EXPECT_EQ(dib.bits, c.bits);
        for (size_t i = 0; i < 4; ++i) {
            EXPECT_LE(std::abs(dib.At(c.x, c.y)[i] - c.expected[i]), 3) << "byte " << i;
        }
    }
    const Bytes data = TestDataFile("odd-5x3.bmp");
    const intptr_t handle = TkCatchImage(5, data.data(), data.size());
    EXPECT_EQ(handle, reinterpret_cast<intptr_t>(TkImageHandle(5))) << "a chosen number returns the handle";
}

TEST_F(TkImagesTest, FailedDecodingLeavesTheNumberNamingNothing)
{
    const Bytes bmp = TestDataFile("odd-5x3.bmp"), png = TestDataFile("rgb-3x2.png");
    struct Case {
        const char* what;
        const void* data;
        size_t length;
    };
    const Case cases[] = {
        {"BMP cut short", bmp.data(), bmp.size() - 1},
        {"length shorter than the headers", bmp.data(), 20},
        {"PNG cut short", png.data(), png.size() - 12},
        {"no data", nullptr, 100},
        {"unknown format", "GIF89a", 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_NE(TkCreateImage(7, 3, 3), 0);
        EXPECT_EQ(TkCatchImage(7, c.data, c.length), 0);
        EXPECT_EQ(TkImageWidth(7), 0);
        EXPECT_EQ(TkImageHandle(7), nullptr);
    }
}

TEST_F(TkImagesTest, IconDataBecomesANativeIconThatNothingDrawsOn)
{
    const Bytes data = TestDataFile("icon-16.ico");
    const int image = static_cast<int>(TkCatchImage(-1, data.data(), data.size()));
    ASSERT_NE(image, 0);
    EXPECT_EQ(TkImageWidth(image), 16);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(static_cast<HICON>(TkImageHandle(image)), &info));
    BITMAP colour{};
    GetObjectA(info.hbmColor, sizeof(colour), &colour);
    EXPECT_EQ(colour.bmWidth, 16);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    EXPECT_EQ(TkImageOutput(image), 0);
    EXPECT_EQ(TkStartDrawing(TkImageOutput(image)), 0);

    const int copy = static_cast<int>(TkCopyImage(image, -1));
    ASSERT_NE(TkImageHandle(copy), TkImageHandle(image));
    ASSERT_TRUE(GetIconInfo(static_cast<HICON>(TkImageHandle(copy)), &info)) << "the copy is no icon";
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
}

TEST_F(TkImagesTest, CreatedImageIsBlackAndOpaqueAtThirtyTwoBits)
{
    for (int bits : {24, 32}) {
        const Dib dib(TkImageHandle(static_cast<int>(TkCreateImage(-1, 5, 3, bits))));
        ASSERT_TRUE(dib.valid);
        EXPECT_EQ(dib.bits, bits);
        EXPECT_EQ(dib.At(4, 2), (Bgra{0, 0, 0, bits == 32 ? 255 : -1}));
    }
    EXPECT_EQ(TkCreateImage(-1, 32768, 1, 24), 0);
    EXPECT_EQ(TkCreateImage(-1, 2, 2, 16), 0);
}

TEST_F(TkImagesTest, ResizeReplacesTheHandleAndFreesTheOldOne)
{
    const int image = static_cast<int>(TkCreateImage(-1, 2, 2, 24));
    ASSERT_NE(TkStartDrawing(TkImageOutput(image)), 0);
    TkBox(1, 0, 1, 1, TkRGB(255, 0, 0));
    TkBox(0, 1, 1, 1, TkRGB(0, 255, 0));
    TkStopDrawing();
    const HANDLE before = TkImageHandle(image);
    ASSERT_NE(TkResizeImage(image, 4, 4, 1), 0);
    const HANDLE after = TkImageHandle(image);
    EXPECT_NE(after, before);
    EXPECT_EQ(GetObjectType(before), 0u) << "the old bitmap was not freed";
    EXPECT_EQ(TkImageOutput(image), reinterpret_cast<intptr_t>(after));
    const Dib dib(after);
    const Bgra blocks[2][2] = {{{0, 0, 0, -1}, {0, 0, 255, -1}}, {{0, 255, 0, -1}, {0, 0, 0, -1}}};
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(dib.At(x, y), blocks[y / 2][x / 2]) << x << "," << y;
        }
    }
    EXPECT_NE(TkResizeImage(image, 4, 4, 1), 0);
    EXPECT_EQ(TkImageHandle(image), after) << "the same size must change nothing";
    ASSERT_NE(TkResizeImage(image, TkKeep, 6, 1), 0);
    EXPECT_EQ(TkImageWidth(image), 4);
    EXPECT_EQ(TkImageHeight(image), 6);
}

// The batch limit as a batching GDI keeps it, seen through the program's import of GdiSetBatchLimit: Wine's GDI does
// not batch and keeps the limit at 1 whatever is set, so a restored limit could not be told there from a forgotten
// one.
DWORD gKeptBatchLimit = 0;
decltype(&GdiSetBatchLimit) gGdiSetBatchLimit = nullptr;

DWORD WINAPI KeepBatchLimit(DWORD limit)
{
    gGdiSetBatchLimit(limit);
    const DWORD previous = gKeptBatchLimit;
    gKeptBatchLimit = limit;
    return previous;
}

TEST_F(TkImagesTest, PassLimitsTheBatchToOneAndRestoresIt)
{
    const DWORD original = GdiSetBatchLimit(7);
    const DWORD taken = GdiGetBatchLimit();
    if (RunningUnderWine()) {
        EXPECT_EQ(original, 1u);
        EXPECT_EQ(taken, 1u) << "Wine's GDI now keeps the batch limit it is given";
    } else {
        EXPECT_EQ(taken, 7u);
    }

    ASSERT_TRUE(RedirectImport("gdi32.dll", "GdiSetBatchLimit", &KeepBatchLimit, gGdiSetBatchLimit));
    gKeptBatchLimit = 7;
    ASSERT_NE(TkStartDrawing(TkImageOutput(static_cast<int>(TkCreateImage(-1, 2, 2)))), 0);
    EXPECT_EQ(gKeptBatchLimit, 1u);
    EXPECT_EQ(GdiGetBatchLimit(), 1u);
    TkStopDrawing();
    EXPECT_EQ(gKeptBatchLimit, 7u) << "the pass did not restore the limit it found";
    EXPECT_EQ(GdiGetBatchLimit(), RunningUnderWine() ? 1u : 7u);
    decltype(&GdiSetBatchLimit) kept = nullptr;
    RedirectImport("gdi32.dll", "GdiSetBatchLimit", gGdiSetBatchLimit, kept);
    GdiSetBatchLimit(original);
}

// The magnifier's refresh in toolkit terms: a screen copy through the pass's device context, a copy of the capture
// enlarged three times, drawn onto the picture and framed.
TEST_F(TkImagesTest, MagnifierSequenceFramesTheProbePixelAndKeepsItsColour)
{
    const int capture = static_cast<int>(TkCreateImage(-1, 21, 21));
    const int picture = static_cast<int>(TkCreateImage(-1, 63, 63));
    const HDC dc = reinterpret_cast<HDC>(TkStartDrawing(TkImageOutput(capture)));
    ASSERT_NE(dc, nullptr);
    for (int y = 0; y < 21; ++y) {
        for (int x = 0; x < 21; ++x) {
            SetPixelV(dc, x, y, RGB(x * 10, y * 10, 77));
        }
    }
    TkStopDrawing();
    const int zoom = static_cast<int>(TkCopyImage(capture, -1));
    ASSERT_NE(TkImageHandle(zoom), TkImageHandle(capture));
    ASSERT_NE(TkResizeImage(zoom, 63, 63, 1), 0);
    ASSERT_NE(TkStartDrawing(TkImageOutput(picture)), 0);
    TkDrawImage(TkImageHandle(zoom), 0, 0);
    TkDrawingMode(TkModeOutline);
    TkBox(30, 30, 3, 3, TkRGB(255, 0, 0));
    TkStopDrawing();

    const Dib dib(TkImageHandle(picture));
    for (int y = 0; y < 63; ++y) {
        for (int x = 0; x < 63; ++x) {
            const bool frame = x >= 30 && x <= 32 && y >= 30 && y <= 32 && !(x == 31 && y == 31);
            const Bgra expected = frame ? Bgra{0, 0, 255, -1} : Bgra{77, (y / 3) * 10, (x / 3) * 10, -1};
            ASSERT_EQ(dib.At(x, y), expected) << x << "," << y;
        }
    }
}

// A bitmap not made by the toolkit: its row order cannot be read from GetObject, so reading its bits directly by
// the reported height would draw a top-down one upside down.
TEST_F(TkImagesTest, ForeignTopDownBitmapIsDrawnUpright)
{
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 2, -2, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP foreign = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(foreign, nullptr);
    const uint32_t pixels[4] = {0xFFFF0000u, 0xFFFF0000u, 0xFF0000FFu, 0xFF0000FFu}; // red row above a blue row
    std::memcpy(bits, pixels, sizeof(pixels));
    const int image = static_cast<int>(TkCreateImage(-1, 2, 2, 24));
    TkStartDrawing(TkImageOutput(image));
    TkDrawImage(foreign, 0, 0);
    TkStopDrawing();
    DeleteObject(foreign);
    EXPECT_EQ(Dib(TkImageHandle(image)).At(0, 0), (Bgra{0, 0, 255, -1}));
}

// GDI writes no alpha; text on the scales' 32-bit images must still come out opaque black on transparent.
TEST_F(TkImagesTest, BlendedTextOnATransparentImageIsOpaqueBlackAndTouchesNothingElse)
{
    const Dib dib(TkImageHandle(DrawScaleText(120, 40, 4, 5, "1850 Hamburg", 0)));
    int opaque = 0;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 120; ++x) {
            const Bgra p = dib.At(x, y);
            ASSERT_EQ((Bgra{p[0], p[1], p[2], 0}), (Bgra{0, 0, 0, 0})) << "not black at " << x << "," << y;
            ASSERT_TRUE(p[3] == 0 || (x >= 3 && y >= 4 && y < 30)) << "touched outside the text at " << x << "," << y;
            opaque += p[3] == 255 ? 1 : 0;
        }
    }
    EXPECT_GT(opaque, 20) << "too few opaque text pixels";
}

TEST_F(TkImagesTest, TextTurnedMinusNinetyRunsDownwardBelowAndLeftOfItsAnchor)
{
    const Ink flat = FindInk(Dib(TkImageHandle(DrawScaleText(100, 40, 10, 10, "TTTT", 0))));
    if (flat.count == 0) {
        GTEST_SKIP() << "no font renders here, so there is no text to turn";
    }
    const Dib turned(TkImageHandle(DrawScaleText(40, 100, 30, 10, "TTTT", -90)));
    const Ink ink = FindInk(turned);
    ASSERT_GT(ink.count, 0) << "turned text left no ink";
    EXPECT_GE(ink.top, 10 - 1) << "ink above the anchor";
    EXPECT_LE(ink.right, 30 + 1) << "ink right of the anchor";
    EXPECT_NEAR(ink.bottom - ink.top, flat.right - flat.left, 3) << "turned text has another length";
    EXPECT_NEAR(ink.right - ink.left, flat.bottom - flat.top, 3) << "turned text has another thickness";
    // A T's bar is its top; turned a quarter clockwise the bars lie in the rightmost ink column.
    int rightColumn = 0, leftColumn = 0;
    for (int y = ink.top; y <= ink.bottom; ++y) {
        rightColumn += turned.At(ink.right, y)[3] >= 128 ? 1 : 0;
        leftColumn += turned.At(ink.left + (ink.right - ink.left) / 4, y)[3] >= 128 ? 1 : 0;
    }
    EXPECT_GT(rightColumn, 2 * leftColumn) << "the glyph tops do not face right";
}

// Composed from glyphs rendered once, digits leave the whole text's pixels, byte for byte, along every axis; off the
// axes, and for a text that is not all digits, the whole text is drawn.
TEST_F(TkImagesTest, DigitsFromGlyphsLeaveThePixelsOfTheWholeText)
{
    struct Case {
        const char* text;
        int angle;
        bool composed;
    } cases[] = {
        {"9081726354", 0, true},   {"9081726354", -90, true}, {"9081726354", 90, true},
        {"9081726354", 180, true}, {"9081726354", 45, false}, {"-12", 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.text << " at " << c.angle << " degrees");
        bool composed = false;
        const Dib whole(TkImageHandle(DrawScaleText(200, 200, 100, 100, c.text, c.angle)));
        const Dib digits(TkImageHandle(DrawScaleText(200, 200, 100, 100, c.text, c.angle, &composed)));
        ASSERT_TRUE(whole.valid && digits.valid);
        EXPECT_GT(FindInk(whole).count, 10) << "the text left no ink";
        EXPECT_EQ(composed, c.composed);
        EXPECT_TRUE(digits.rows == whole.rows) << "the composed digits differ from the whole text";
    }
}

} // namespace
