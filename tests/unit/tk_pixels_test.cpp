#include "toolkit/tk_colour.h"
#include "toolkit/tk_glyphs.h"
#include "toolkit/tk_pixels.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstdint>
#include <initializer_list>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

using Bgra = std::array<int, 4>; // the fourth value is -1 on 24-bit buffers
using Points = std::set<std::pair<int, int>>;

// A buffer laid out as a DIB: rows padded to whole words (plus extra), top-down or bottom-up in memory. The test
// finds pixels by its own arithmetic, never through the code under test.
struct Canvas {
    int width, height, bits, stride;
    bool bottomUp;
    std::vector<uint8_t> memory;
    TkPixels view;

    Canvas(int w, int h, int bpp, bool up = false, int padding = 0, Bgra fill = {90, 90, 90, 90})
        : width(w), height(h), bits(bpp), stride((w * bpp + 31) / 32 * 4 + padding), bottomUp(up),
          memory(static_cast<size_t>(stride) * h, 0xEE), view{memory.data(), w, h, stride, bpp, up}
    {
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                Set(x, y, fill);
            }
        }
    }
    uint8_t* At(int x, int y)
    {
        return memory.data() + static_cast<size_t>(bottomUp ? height - 1 - y : y) * stride + x * (bits / 8);
    }
    void Set(int x, int y, Bgra v)
    {
        for (int i = 0; i < bits / 8; ++i) {
            At(x, y)[i] = static_cast<uint8_t>(v[static_cast<size_t>(i)]);
        }
    }
    Bgra Get(int x, int y) { return {At(x, y)[0], At(x, y)[1], At(x, y)[2], bits == 32 ? At(x, y)[3] : -1}; }
    Points Changed(Bgra from = {90, 90, 90, 90})
    {
        from[3] = bits == 32 ? from[3] : -1;
        Points changed;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                if (Get(x, y) != from) {
                    changed.insert({x, y});
                }
            }
        }
        return changed;
    }
};

TEST(TkColour, PartsCarryIntoTheNextByteAndAlphaDoesNotSignExtend)
{
    EXPECT_EQ(static_cast<uint32_t>(TkRGB(1, 2, 3)), 0x030201u);
    EXPECT_EQ(static_cast<uint32_t>(TkRGB(256, 0, 0)), 0x000100u);
    EXPECT_EQ(static_cast<uint32_t>(TkRGBA(10, 20, 30, 255)), 0xFF1E140Au);
    EXPECT_EQ(TkBlue(TkRGBA(10, 20, 30, 255)), 30);
    EXPECT_EQ(TkAlpha(TkRGBA(1, 2, 3, 200)), 200);
}

// The top-left drawing pixel of a bottom-up buffer is the first pixel of the last row in memory; writing the first
// row in memory instead flips every picture, and a stride that forgets the padding shears it.
TEST(TkPixels, DrawingIsTopDownWhateverTheRowOrderAndPaddingIsNeverWritten)
{
    for (int bpp : {24, 32}) {
        for (bool bottomUp : {false, true}) {
            SCOPED_TRACE(testing::Message() << bpp << " bits, bottom-up " << bottomUp);
            Canvas canvas(5, 3, bpp, bottomUp, 8);
            TkPixelsBox(canvas.view, 0, 0, 1, 1, TkRGBA(1, 2, 3, 4), TkModeDefault);
            TkPixelsLine(canvas.view, 4, 2, 1, 1, TkRGBA(5, 6, 7, 8), TkModeDefault);
            EXPECT_EQ(canvas.Changed(), (Points{{0, 0}, {4, 2}}));
            EXPECT_EQ(canvas.memory[bottomUp ? 2 * canvas.stride : 0], 3) << "blue of the top-left pixel";
            EXPECT_EQ(TkReadPixel(canvas.view, 4, 2), TkRGBA(5, 6, 7, bpp == 32 ? 8 : 255));

            TkPixelsBox(canvas.view, -9, -9, 99, 99, TkRGB(1, 1, 1), TkModeDefault);
            for (size_t row = 0; row < 3; ++row) {
                for (size_t i = 5 * bpp / 8; i < static_cast<size_t>(canvas.stride); ++i) {
                    ASSERT_EQ(canvas.memory[row * canvas.stride + i], 0xEE) << "padding of row " << row;
                }
            }
        }
    }
}

TEST(TkPixels, LineCoversExactlyItsPixelsAndZeroSizesDrawNothing)
{
    struct Case {
        int x, y, width, height;
        Points expected;
    };
    const Case cases[] = {
        {2, 2, 1, 1, {{2, 2}}},
        {2, 2, -1, -1, {{2, 2}}},
        {2, 2, 0, 1, {}},
        {2, 2, 1, 0, {}},
        {1, 1, 3, 1, {{1, 1}, {2, 1}, {3, 1}}},
        {3, 1, -3, 1, {{3, 1}, {2, 1}, {1, 1}}},
        {1, 3, 1, -3, {{1, 3}, {1, 2}, {1, 1}}},
        {3, 0, -4, 4, {{3, 0}, {2, 1}, {1, 2}, {0, 3}}},
        {0, 0, 4, 2, {{0, 0}, {1, 0}, {2, 1}, {3, 1}}},
        {0, 0, 2, 4, {{0, 0}, {0, 1}, {1, 2}, {1, 3}}},
        {-3, -3, 5, 5, {{0, 0}, {1, 1}}},
        // Walking every step of these would take billions of iterations; only the visible steps are walked.
        {-2000000000, 1, INT_MAX, 1, {{0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 1}}},
        {INT_MAX, 2, INT_MIN, 1, {{0, 2}, {1, 2}, {2, 2}, {3, 2}, {4, 2}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "line " << c.x << "," << c.y << " size " << c.width << "x" << c.height);
        Canvas canvas(5, 5, 32);
        TkPixelsLine(canvas.view, c.x, c.y, c.width, c.height, TkRGBA(0, 0, 0, 255), TkModeDefault);
        EXPECT_EQ(canvas.Changed(), c.expected);
    }
}

TEST(TkPixels, BoxIsClippedOutlinedAndEmptyForSizesBelowOne)
{
    struct Case {
        int x, y, width, height, mode;
        Points expected;
    };
    const Case cases[] = {
        {-1, -1, 2, 2, TkModeDefault, {{0, 0}}},
        {3, 2, 5, 5, TkModeDefault, {{3, 2}, {3, 3}}},
        {1, 1, 0, 3, TkModeDefault, {}},
        {1, 1, -2, 3, TkModeDefault, {}},
        {0, 0, 3, 3, TkModeOutline, {{0, 0}, {1, 0}, {2, 0}, {0, 1}, {2, 1}, {0, 2}, {1, 2}, {2, 2}}},
        {1, 1, 1, 3, TkModeOutline, {{1, 1}, {1, 2}, {1, 3}}},
        {-1, 0, 3, 2, TkModeOutline, {{0, 0}, {1, 0}, {0, 1}, {1, 1}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y << " " << c.width << "x" << c.height << ", mode "
                                        << c.mode);
        Canvas canvas(4, 4, 24);
        TkPixelsBox(canvas.view, c.x, c.y, c.width, c.height, TkRGB(255, 0, 0), c.mode);
        EXPECT_EQ(canvas.Changed(), c.expected);
    }
}

// A pixel blended twice comes out darker; an outline's corners belong to one side only.
TEST(TkPixels, BlendedOutlineColoursItsCornersLikeItsSides)
{
    Canvas canvas(5, 5, 24, false, 0, {0, 0, 0, 0});
    TkPixelsBox(canvas.view, 1, 1, 3, 3, TkRGBA(255, 0, 0, 128), TkModeOutline | TkModeAlphaBlend);
    EXPECT_EQ(canvas.Get(2, 2), (Bgra{0, 0, 0, -1}));
    for (auto [x, y] : {std::pair{1, 1}, {2, 1}, {3, 1}, {1, 3}, {3, 3}, {1, 2}, {3, 2}, {2, 3}}) {
        EXPECT_EQ(canvas.Get(x, y), (Bgra{0, 0, 128, -1})) << x << "," << y;
    }
}

// Expected values are worked out by hand from the blending rules.
TEST(TkPixels, WriteModesFollowTheirIntegerFormulasExactly)
{
    constexpr int Blend = TkModeAlphaBlend, AlphaOnly = TkModeAlphaChannel;
    struct Case {
        const char* what;
        int bpp;
        Bgra target;
        int32_t colour;
        int mode;
        Bgra expected;
    };
    const Case cases[] = {
        {"plain replaces all four bytes", 32, {9, 9, 9, 9}, TkRGBA(1, 2, 3, 4), TkModeDefault, {3, 2, 1, 4}},
        {"alpha only keeps the colour", 32, {10, 20, 30, 255}, TkRGBA(0, 0, 0, 0), AlphaOnly, {10, 20, 30, 0}},
        {"alpha only on 24 bits", 24, {10, 20, 30, 0}, TkRGBA(0, 0, 0, 0), AlphaOnly, {10, 20, 30, -1}},
        {"24-bit mix", 24, {50, 50, 50, 0}, TkRGBA(0, 0, 200, 100), Blend, {108, 30, 30, -1}},
        {"24-bit alpha 0 keeps", 24, {50, 60, 70, 0}, TkRGB(1, 2, 3), Blend, {50, 60, 70, -1}},
        {"32-bit alpha 0 keeps", 32, {50, 60, 70, 80}, TkRGB(1, 2, 3), Blend, {50, 60, 70, 80}},
        {"32-bit alpha 0 keeps a transparent target", 32, {50, 60, 70, 0}, TkRGB(1, 2, 3), Blend, {50, 60, 70, 0}},
        {"onto transparent takes the source", 32, {50, 60, 70, 0}, TkRGBA(1, 2, 3, 100), Blend, {3, 2, 1, 100}},
        {"black onto transparent is opaque black", 32, {0, 0, 0, 0}, TkRGBA(0, 0, 0, 255), Blend, {0, 0, 0, 255}},
        {"general case", 32, {100, 100, 100, 128}, TkRGBA(200, 200, 200, 64), Blend, {140, 140, 140, 159}},
        {"blended alpha only",
         32,
         {100, 100, 100, 128},
         TkRGBA(200, 200, 200, 64),
         Blend | AlphaOnly,
         {100, 100, 100, 159}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Canvas canvas(1, 1, c.bpp, false, 0, c.target);
        TkPixelsBox(canvas.view, 0, 0, 1, 1, c.colour, c.mode);
        EXPECT_EQ(canvas.Get(0, 0), c.expected);
    }
}

TEST(TkPixels, EnlargementTurnsEverySourcePixelIntoASolidBlock)
{
    struct Case {
        int from, to, bpp;
    };
    for (const Case c : {Case{2, 4, 24}, {2, 4, 32}, {21, 63, 24}}) {
        SCOPED_TRACE(testing::Message() << c.from << " to " << c.to << " at " << c.bpp);
        Canvas source(c.from, c.from, c.bpp, true);
        for (int y = 0; y < c.from; ++y) {
            for (int x = 0; x < c.from; ++x) {
                source.Set(x, y, {x, y, x + y, 7 * x + y});
            }
        }
        Canvas target(c.to, c.to, c.bpp, false);
        TkPixelsResize(target.view, source.view);
        const int factor = c.to / c.from;
        for (int y = 0; y < c.to; ++y) {
            for (int x = 0; x < c.to; ++x) {
                ASSERT_EQ(target.Get(x, y), source.Get(x / factor, y / factor)) << x << "," << y;
            }
        }
    }
}

// Averaging takes the source area under each target pixel, edge pixels by the part they share with it: 3 to 2
// gives (2 a + b) / 3 and (b + 2 c) / 3; 4 to 2 the mean of each 2 x 2 block; a plain colour stays that colour.
TEST(TkPixels, AveragingTakesTheAreaEachPixelCovers)
{
    for (const int bpp : {24, 32}) {
        SCOPED_TRACE(bpp);
        Canvas row(3, 1, bpp, true);
        row.Set(0, 0, {0, 30, 255, 255});
        row.Set(1, 0, {90, 60, 0, 0});
        row.Set(2, 0, {180, 90, 255, 255});
        Canvas two(2, 1, bpp);
        TkPixelsAverage(two.view, row.view);
        EXPECT_EQ(two.Get(0, 0), (Bgra{30, 40, 170, bpp == 32 ? 170 : -1})) << "(2 a + b) / 3";
        EXPECT_EQ(two.Get(1, 0), (Bgra{150, 80, 170, bpp == 32 ? 170 : -1})) << "(b + 2 c) / 3";

        Canvas block(4, 4, bpp, false, 0, {10, 20, 30, 40});
        block.Set(0, 0, {50, 60, 70, 80});
        Canvas half(2, 2, bpp);
        TkPixelsAverage(half.view, block.view);
        EXPECT_EQ(half.Get(0, 0), (Bgra{20, 30, 40, bpp == 32 ? 50 : -1})) << "mean of the top-left 2 x 2";
        EXPECT_EQ(half.Get(1, 1), (Bgra{10, 20, 30, bpp == 32 ? 40 : -1}));

        // Enlarged, a pixel whose area two source pixels share takes their mean; the others stay solid: 2 to 3 gives
        // a, (a + b) / 2, b.
        Canvas wide(3, 1, bpp);
        TkPixelsAverage(wide.view, two.view);
        EXPECT_EQ(wide.Get(0, 0), two.Get(0, 0));
        EXPECT_EQ(wide.Get(1, 0), (Bgra{90, 60, 170, bpp == 32 ? 170 : -1})) << "(a + b) / 2";
        EXPECT_EQ(wide.Get(2, 0), two.Get(1, 0));

        Canvas plain(1360, 900, bpp, false, 0, {51, 102, 153, 255});
        Canvas reduced(1020, 675, bpp);
        TkPixelsAverage(reduced.view, plain.view);
        EXPECT_EQ(reduced.Get(1019, 674), (Bgra{51, 102, 153, bpp == 32 ? 255 : -1}));
    }
}

TEST(TkPixels, BlitIsClippedAndMakesOpaqueSourcesOpaque)
{
    struct Case {
        int x, y;
        Points expected;
    };
    const Case cases[] = {
        {1, 1, {{1, 1}, {2, 1}, {1, 2}, {2, 2}}}, {-1, -1, {{0, 0}}}, {2, 2, {{2, 2}}}, {-2, 0, {}}, {3, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        Canvas source(2, 2, 24, false, 0, {1, 2, 3, 0});
        Canvas target(3, 3, 32, true, 0, {0, 0, 0, 0});
        TkPixelsBlit(target.view, c.x, c.y, source.view, TkModeDefault);
        EXPECT_EQ(target.Changed({0, 0, 0, 0}), c.expected);
        for (auto [x, y] : c.expected) {
            EXPECT_EQ(target.Get(x, y), (Bgra{1, 2, 3, 255}));
        }
    }
}

// Text reaches the target as a grey mask: edge pixels blend by their coverage, and pixels the mask leaves black must
// not be touched at all, not even get their alpha rewritten.
TEST(TkPixels, MaskCarriesTheColourByCoverage)
{
    Canvas mask(3, 1, 24);
    mask.Set(0, 0, {255, 255, 255, 0});
    mask.Set(1, 0, {0, 0, 0, 0});
    mask.Set(2, 0, {100, 130, 160, 0}); // coverage 130
    struct Case {
        const char* what;
        int mode;
        Bgra target, full, partial;
    };
    const Case cases[] = {
        {"blend onto transparent",
         TkModeAlphaBlend | TkModeTransparentText,
         {0, 0, 0, 0},
         {0, 0, 0, 255},
         {0, 0, 0, 130}},
        {"blend onto opaque white", TkModeAlphaBlend, {255, 255, 255, 255}, {0, 0, 0, 255}, {125, 125, 125, 255}},
        {"plain", TkModeDefault, {255, 255, 255, 7}, {0, 0, 0, 255}, {125, 125, 125, 133}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Canvas target(4, 1, 32, false, 0, c.target);
        TkPixelsPaintMask(target.view, 1, 0, mask.view, TkRGBA(0, 0, 0, 255), c.mode);
        EXPECT_EQ(target.Get(0, 0), c.target);
        EXPECT_EQ(target.Get(1, 0), c.full);
        EXPECT_EQ(target.Get(2, 0), c.target);
        EXPECT_EQ(target.Get(3, 0), c.partial);
    }
}

// --- Texts of digits composed from glyph masks (tk_glyphs) ---------------------------------------------------------

// A glyph from its inked pixels, (x, y) from the pen position, each with a grey level, cut as the toolkit cuts one
// rendered into a mask with the pen at (4, 4).
TkGlyph GlyphOf(std::initializer_list<std::array<int, 3>> inked)
{
    Canvas mask(12, 12, 24, false, 0, {0, 0, 0, 0});
    for (const auto& [x, y, grey] : inked) {
        mask.Set(x + 4, y + 4, {grey, grey, grey, 0});
    }
    return TkCutGlyph(mask.view, 4, 4);
}

TEST(TkGlyphs, CutKeepsTheInkAndWhereItStandsFromThePen)
{
    const TkGlyph glyph = GlyphOf({{-1, 2, 200}, {1, 0, 30}});
    EXPECT_EQ((std::array{glyph.left, glyph.top, glyph.width, glyph.height}), (std::array{-1, 0, 3, 3}));
    EXPECT_TRUE(glyph.Covers(-1, 2));
    EXPECT_TRUE(glyph.Covers(1, 0));
    EXPECT_FALSE(glyph.Covers(0, 1));
    EXPECT_FALSE(glyph.Covers(2, 0));
    EXPECT_EQ(TkReadPixel(glyph.Mask(), 0, 2), TkRGBA(200, 200, 200, 255));
    EXPECT_EQ(GlyphOf({}).width, 0) << "a blank has no ink";
}

// Composition is exact only while no two glyphs share a pixel, at neighbouring places or further apart.
TEST(TkGlyphs, GlyphsStayApartOnlyWhenNoTwoPlacesShareAPixel)
{
    struct Case {
        const char* what;
        TkGlyph seven; // every other digit is a 2 x 3 block at the pen
        int stepX, stepY;
        bool apart;
    };
    const TkGlyph block = GlyphOf({{0, 0, 255}, {1, 0, 255}, {0, 2, 255}, {1, 2, 255}});
    const Case cases[] = {
        {"blocks one column apart", block, 3, 0, true},
        {"blocks touching", block, 2, 0, true},
        {"blocks overlapping", block, 1, 0, false},
        {"downward, one row apart", block, 0, 4, true},
        {"downward, overlapping", block, 0, 2, false},
        {"leftward", block, -3, 0, true},
        {"an overhang into the gap of the next glyph's box", GlyphOf({{0, 0, 255}, {2, 1, 9}}), 2, 0, true},
        {"an overhang onto the next glyph's ink", GlyphOf({{0, 0, 255}, {2, 2, 9}}), 2, 0, false},
        {"a reach of two places", GlyphOf({{0, 0, 255}, {6, 0, 1}}), 3, 0, false},
        {"a reach backward", GlyphOf({{0, 0, 255}, {-3, 2, 1}}), 3, 0, false},
        {"no step", block, 0, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TkDigitGlyphs glyphs;
        glyphs.digits.fill(block);
        glyphs.digits[7] = c.seven;
        glyphs.stepX = c.stepX;
        glyphs.stepY = c.stepY;
        EXPECT_EQ(TkGlyphsStayApart(glyphs), c.apart);
    }
}

// The composed digits leave the same pixels as one mask of the whole text painted at once, clipped alike.
TEST(TkGlyphs, ComposedDigitsEqualTheWholeTextsMask)
{
    TkDigitGlyphs glyphs;
    for (int digit = 0; digit < 10; ++digit) {
        glyphs.digits[static_cast<size_t>(digit)] = GlyphOf({{0, -1, 25 * digit + 10}, {2, digit % 3, 255}});
    }
    glyphs.digits[1] = GlyphOf({});
    struct Case {
        int x, y, stepX, stepY;
    };
    for (const Case& c : {Case{2, 3, 3, 0}, Case{-4, 1, 3, 0}, Case{5, -3, 0, 4}, Case{3, 18, 0, 4}}) {
        SCOPED_TRACE(testing::Message() << "pen " << c.x << "," << c.y << " step " << c.stepX << "," << c.stepY);
        glyphs.stepX = c.stepX;
        glyphs.stepY = c.stepY;
        const std::string text = "4071952";
        // The whole text's mask, with the first pen at (10, 10).
        Canvas whole(40, 40, 24, false, 0, {0, 0, 0, 0});
        for (size_t i = 0; i < text.size(); ++i) {
            const TkGlyph& glyph = glyphs.digits[static_cast<size_t>(text[i] - '0')];
            for (int y = 0; y < glyph.height; ++y) {
                for (int x = 0; x < glyph.width; ++x) {
                    const int grey = TkRed(TkReadPixel(glyph.Mask(), x, y));
                    const int place = static_cast<int>(i);
                    whole.Set(10 + place * c.stepX + glyph.left + x, 10 + place * c.stepY + glyph.top + y,
                              {grey, grey, grey, 0});
                }
            }
        }
        Canvas expected(12, 20, 32, false, 0, {0, 0, 0, 0}), composed(12, 20, 32, false, 0, {0, 0, 0, 0});
        const int mode = TkModeAlphaBlend | TkModeTransparentText;
        TkPixelsPaintMask(expected.view, c.x - 10, c.y - 10, whole.view, TkRGBA(0, 0, 0, 255), mode);
        EXPECT_TRUE(TkPaintDigits(composed.view, c.x, c.y, text, glyphs, TkRGBA(0, 0, 0, 255), mode));
        EXPECT_EQ(composed.memory, expected.memory);
        EXPECT_FALSE(expected.Changed({0, 0, 0, 0}).empty()) << "the case shows nothing";
    }
    Canvas untouched(12, 20, 32, false, 0, {0, 0, 0, 0});
    EXPECT_FALSE(TkPaintDigits(untouched.view, 2, 2, "12-3", glyphs, TkRGBA(0, 0, 0, 255), TkModeDefault));
    EXPECT_TRUE(untouched.Changed({0, 0, 0, 0}).empty()) << "a text with a sign is not the glyphs' to paint";
}

} // namespace
