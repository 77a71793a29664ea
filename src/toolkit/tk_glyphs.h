// Texts of digits composed from glyphs rendered once: each digit's coverage mask, cut to its ink, laid down at the
// pen position of its place in the text. Platform-free: the toolkit renders the glyphs with the system's text
// output, this file only cuts and composes them.
// The composed text equals the whole text rendered at once when the font advances every digit by the same whole
// number of pixels and no two glyphs, wherever they stand in a text, cover a common pixel (TkGlyphsStayApart):
// then every pixel carries the coverage of exactly one glyph, as in the whole rendering.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "toolkit/tk_pixels.h"

// One glyph's coverage as TkPixelsPaintMask takes it (24-bit grey levels), cut to the pixels it covers. Its top-left
// pixel lies at (left, top) from the pen position; an empty glyph (a blank) has width and height 0.
struct TkGlyph {
    int left = 0, top = 0, width = 0, height = 0;
    std::vector<uint8_t> bits; // rows of width pixels, 3 bytes each, without padding

    TkPixels Mask() const;
    bool Covers(int x, int y) const; // (x, y) from the pen position
};

// The glyphs of the digits 0 to 9 in one font at one angle, and the pen's step from one character to the next.
struct TkDigitGlyphs {
    std::array<TkGlyph, 10> digits;
    int stepX = 0, stepY = 0;
};

// The glyph that was rendered into mask with the pen at (penX, penY): the box round every pixel with any coverage.
TkGlyph TkCutGlyph(const TkPixels& mask, int penX, int penY);

// True when no two of the glyphs, standing at two different places of one text, cover a common pixel; false as
// well for a step of zero.
bool TkGlyphsStayApart(const TkDigitGlyphs& glyphs);

// Paints the digits of text onto target through the mode, the pen of the first at (x, y) and each next one a step
// further. Paints nothing and returns false when text holds anything but the digits 0 to 9.
bool TkPaintDigits(const TkPixels& target, int x, int y, std::string_view text, const TkDigitGlyphs& glyphs,
                   int32_t colour, int mode);
