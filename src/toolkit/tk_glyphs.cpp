#include "toolkit/tk_glyphs.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

bool Inked(const uint8_t* pixel)
{
    return (pixel[0] | pixel[1] | pixel[2]) != 0;
}

// Whether glyph b, standing (dx, dy) from glyph a, covers a pixel that a covers as well.
bool Meet(const TkGlyph& a, const TkGlyph& b, int64_t dx, int64_t dy)
{
    const int64_t left = std::max<int64_t>(a.left, b.left + dx);
    const int64_t right = std::min<int64_t>(a.left + a.width, b.left + dx + b.width);
    const int64_t top = std::max<int64_t>(a.top, b.top + dy);
    const int64_t bottom = std::min<int64_t>(a.top + a.height, b.top + dy + b.height);
    for (int64_t y = top; y < bottom; ++y) {
        for (int64_t x = left; x < right; ++x) {
            if (a.Covers(static_cast<int>(x), static_cast<int>(y)) &&
                b.Covers(static_cast<int>(x - dx), static_cast<int>(y - dy))) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

TkPixels TkGlyph::Mask() const
{
    return {const_cast<uint8_t*>(bits.data()), width, height, width * 3, 24, false};
}

bool TkGlyph::Covers(int x, int y) const
{
    x -= left;
    y -= top;
    return x >= 0 && y >= 0 && x < width && y < height && Inked(&bits[(static_cast<size_t>(y) * width + x) * 3]);
}

TkGlyph TkCutGlyph(const TkPixels& mask, int penX, int penY)
{
    TkGlyph glyph;
    if (!TkPixelsUsable(mask) || mask.bitsPerPixel != 24) {
        return glyph;
    }
    int left = mask.width, right = -1, top = mask.height, bottom = -1;
    for (int y = 0; y < mask.height; ++y) {
        const uint8_t* row = TkPixelRow(mask, y);
        for (int x = 0; x < mask.width; ++x) {
            if (Inked(row + x * 3)) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < 0) {
        return glyph;
    }
    glyph.left = left - penX;
    glyph.top = top - penY;
    glyph.width = right - left + 1;
    glyph.height = bottom - top + 1;
    glyph.bits.resize(static_cast<size_t>(glyph.width) * glyph.height * 3);
    for (int y = 0; y < glyph.height; ++y) {
        std::memcpy(&glyph.bits[static_cast<size_t>(y) * glyph.width * 3], TkPixelRow(mask, top + y) + left * 3,
                    static_cast<size_t>(glyph.width) * 3);
    }
    return glyph;
}

bool TkGlyphsStayApart(const TkDigitGlyphs& glyphs)
{
    const int64_t step = std::max(std::abs(int64_t{glyphs.stepX}), std::abs(int64_t{glyphs.stepY}));
    if (step == 0) {
        return false;
    }
    // Beyond this many steps no two glyphs' boxes can meet any more.
    int64_t span = 0;
    for (const TkGlyph& a : glyphs.digits) {
        for (const TkGlyph& b : glyphs.digits) {
            span = std::max({span, int64_t{a.left} + a.width - b.left, int64_t{a.top} + a.height - b.top});
        }
    }
    for (int64_t places = 1; places * step < span; ++places) {
        for (const TkGlyph& a : glyphs.digits) {
            for (const TkGlyph& b : glyphs.digits) {
                if (Meet(a, b, places * glyphs.stepX, places * glyphs.stepY)) {
                    return false;
                }
            }
        }
    }
    return true;
}

bool TkPaintDigits(const TkPixels& target, int x, int y, std::string_view text, const TkDigitGlyphs& glyphs,
                   int32_t colour, int mode)
{
    if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return false;
    }
    int64_t penX = x, penY = y;
    for (const char c : text) {
        const TkGlyph& glyph = glyphs.digits[static_cast<size_t>(c - '0')];
        const int64_t left = penX + glyph.left, top = penY + glyph.top;
        // Glyphs wholly outside are skipped, which also keeps the positions handed on within int.
        if (glyph.width > 0 && left < target.width && top < target.height && left + glyph.width > 0 &&
            top + glyph.height > 0) {
            TkPixelsPaintMask(target, static_cast<int>(left), static_cast<int>(top), glyph.Mask(), colour, mode);
        }
        penX += glyphs.stepX;
        penY += glyphs.stepY;
    }
    return true;
}
