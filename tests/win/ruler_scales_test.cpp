#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "core/app_state.h"
#include "measure/ruler_scales.h"
#include "measure/scale_ticks.h"
#include "toolkit/tk_fonts.h"
#include "toolkit/tk_images.h"
#include "toolkit/tk_test_hooks.h"
#include "toolkit/tk_windows.h"

namespace {

// A scale picture's pixels, top-down, as blue, green, red, alpha.
struct Picture {
    int width = 0, height = 0;
    std::vector<RGBQUAD> pixels;

    const RGBQUAD& At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    int OpaqueIn(int left, int top, int right, int bottom) const
    {
        int count = 0;
        for (int y = top; y <= bottom; ++y)
            for (int x = left; x <= right; ++x)
                count += At(x, y).rgbReserved != 0;
        return count;
    }
};

Picture Read(int image)
{
    Picture picture;
    picture.width = TkImageWidth(image);
    picture.height = TkImageHeight(image);
    picture.pixels.resize(static_cast<size_t>(picture.width) * picture.height);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, static_cast<HBITMAP>(TkImageHandle(image)), 0, picture.height, picture.pixels.data(), &info,
              DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return picture;
}

class RulerScalesTest : public testing::Test {
protected:
    void SetUp() override
    {
        TkStartup("Tessaro");
        AppState& app = App();
        app.screenWidth = 300;
        app.screenHeight = 200;
        app.ScaleNumberFont = TkLoadFont(-1, "Arial", 7, 0);
        ASSERT_NE(app.ScaleNumberFont, 0);
        DrawRulerScales();
    }
    void TearDown() override { TkShutdown(); }
};

} // namespace

TEST_F(RulerScalesTest, TicksAreOpaqueBlackAndEverythingElseTransparent)
{
    const Picture top = Read(App().TopScaleBitmap);
    ASSERT_EQ(top.width, 300);
    ASSERT_EQ(top.height, 15);
    struct Case {
        int x, y;
        bool opaque;
    } cases[] = {
        {0, 0, false},  {4, 2, true},   {4, 3, false},  {9, 5, true},    {9, 6, false},   {49, 14, true},
        {48, 0, false}, {50, 0, false}, {294, 2, true}, {294, 3, false}, {299, 14, true}, // 300 is a multiple of 50:
                                                                                          // the last pixel carries a
                                                                                          // full tick
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "top scale pixel " << c.x << "," << c.y);
        const RGBQUAD& pixel = top.At(c.x, c.y);
        EXPECT_EQ(pixel.rgbReserved, c.opaque ? 255 : 0);
        EXPECT_EQ(pixel.rgbRed | pixel.rgbGreen | pixel.rgbBlue, 0) << "ticks and background are black";
    }
}

TEST_F(RulerScalesTest, NumbersStandInTheirCellsAndNowhereElse)
{
    const AppState& app = App();
    struct Case {
        const char* what;
        int image;
        RECT numberCell; // where the digits of 50 must leave ink
        RECT quietArea;  // between ticks, where nothing may be drawn
    } cases[] = {
        // Horizontal numbers start two pixels after their tick: at x 51, 6 below the top edge.
        {"top", app.TopScaleBitmap, {51, 6, 70, 14}, {10, 6, 48, 14}},
        // On the bottom scale the cell starts above the picture, so the digits stand in its upper rows.
        {"bottom", app.BottomScaleBitmap, {51, 0, 70, 8}, {10, 0, 48, 8}},
        // Turned numbers read downward from y 51, reaching left from x 18 (left) or 10 (right).
        {"left", app.LeftScaleBitmap, {6, 51, 14, 70}, {6, 10, 14, 48}},
        {"right", app.RightScaleBitmap, {0, 51, 8, 70}, {0, 10, 8, 48}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Picture picture = Read(c.image);
        ASSERT_GT(picture.width, 0);
        const RECT& n = c.numberCell;
        const RECT& q = c.quietArea;
        EXPECT_GT(picture.OpaqueIn(n.left, n.top, n.right, n.bottom), 3) << "no digits of 50 where they belong";
        EXPECT_EQ(picture.OpaqueIn(q.left, q.top, q.right, q.bottom), 0) << "ink where no number belongs";
    }
}

// Every number a screen 7680 pixels wide and high carries, upright on the top and bottom scales and turned on the
// left and right ones, comes out of the digit glyphs with exactly the pixels of its whole text.
TEST_F(RulerScalesTest, NumbersFromDigitGlyphsEqualWholeTextsOnAScreenOf7680)
{
    AppState& app = App();
    app.screenWidth = app.screenHeight = 7680;
    // The comparison proves something only where the glyphs serve the scale font, upright and turned.
    const int probe = static_cast<int>(TkCreateImage(-1, 20, 20, 32));
    ASSERT_NE(TkStartDrawing(TkImageOutput(probe)), 0);
    TkDrawingMode(TkModeAlphaBlend | TkModeTransparentText);
    TkDrawingFont(TkFontHandle(static_cast<int>(app.ScaleNumberFont)));
    EXPECT_TRUE(TkDrawDigits(0, 0, "50", 0, TkRGBA(0, 0, 0, 255)));
    EXPECT_TRUE(TkDrawDigits(19, 0, "50", ScaleNumberAngle, TkRGBA(0, 0, 0, 255)));
    TkStopDrawing();
    std::vector<Picture> drawn[2];
    for (const bool glyphs : {false, true}) {
        TkUseDigitGlyphs(glyphs);
        DrawRulerScales();
        for (const int image : {app.TopScaleBitmap, app.BottomScaleBitmap, app.LeftScaleBitmap, app.RightScaleBitmap})
            drawn[glyphs].push_back(Read(image));
    }
    TkUseDigitGlyphs(true);
    const char* sides[] = {"top", "bottom", "left", "right"};
    for (size_t side = 0; side < 4; ++side) {
        SCOPED_TRACE(sides[side]);
        const Picture &whole = drawn[0][side], &composed = drawn[1][side];
        ASSERT_EQ(whole.pixels.size(), size_t{7680} * ScaleThickness);
        ASSERT_EQ(composed.pixels.size(), whole.pixels.size());
        int differing = 0, first = -1;
        for (size_t i = 0; i < whole.pixels.size(); ++i) {
            const RGBQUAD &a = whole.pixels[i], &b = composed.pixels[i];
            if (std::memcmp(&a, &b, sizeof a) != 0) {
                first = first < 0 ? static_cast<int>(i) : first;
                ++differing;
            }
        }
        EXPECT_EQ(differing, 0) << "first at " << first % whole.width << "," << first / whole.width;
    }
}

// In millimetres and inches the pictures carry the marks of a real ruler at the monitor's pitch, here 4 pixels to
// the millimetre: a millimetre ends on pixel 4, a centimetre on pixel 40, a sixteenth of an inch on pixel 6.
TEST_F(RulerScalesTest, PhysicalScalesCarryTheirMarksAtThePitch)
{
    AppState& app = App();
    app.scalesPitch = {4, 4, PitchSource::Edid};
    struct Case {
        MeasureUnit unit;
        int x, y;
        bool opaque;
    } cases[] = {
        {MeasureUnit::Millimetre, 3, 2, true},   {MeasureUnit::Millimetre, 3, 3, false},
        {MeasureUnit::Millimetre, 4, 0, false},  {MeasureUnit::Millimetre, 19, 5, true},
        {MeasureUnit::Millimetre, 19, 6, false}, {MeasureUnit::Millimetre, 39, 14, true},
        {MeasureUnit::Millimetre, 49, 0, false}, {MeasureUnit::Inch, 5, 1, true},
        {MeasureUnit::Inch, 5, 2, false},        {MeasureUnit::Inch, 12, 3, true},
        {MeasureUnit::Inch, 50, 5, true},        {MeasureUnit::Inch, 101, 14, true},
    };
    for (const MeasureUnit unit : {MeasureUnit::Millimetre, MeasureUnit::Inch}) {
        app.scalesUnit = unit;
        DrawRulerScales();
        const Picture top = Read(app.TopScaleBitmap);
        ASSERT_EQ(top.width, 300);
        for (const Case& c : cases) {
            if (c.unit != unit)
                continue;
            SCOPED_TRACE(testing::Message() << static_cast<int>(unit) << ": pixel " << c.x << "," << c.y);
            EXPECT_EQ(top.At(c.x, c.y).rgbReserved, c.opaque ? 255 : 0);
        }
        const int firstNumber = unit == MeasureUnit::Millimetre ? 41 : 103;
        EXPECT_GT(top.OpaqueIn(firstNumber, 6, firstNumber + 8, 14), 3) << "the digit 1 after the first long tick";
    }
    app.scalesUnit = MeasureUnit::Pixel;
    app.scalesPitch = {};
}
