// A view of 24- or 32-bit pixels in memory and the drawing operations on it, with the toolkit's write modes.
// Platform-free: the toolkit points a view at a DIB section's bits, the decoders and tests at plain vectors.
#pragma once

#include <cstdint>

#include "toolkit/tk_colour.h"

// Drawing mode bits; they combine.
constexpr int TkModeDefault = 0;         // colours replace the pixels, the alpha byte included
constexpr int TkModeTransparentText = 1; // text without its background cell
constexpr int TkModeOutline = 4;         // boxes as 1-pixel outlines
constexpr int TkModeAlphaChannel = 8;    // only the alpha byte is written; on 24-bit pixels nothing is
constexpr int TkModeAlphaBlend = 0x10;   // the colour is blended by its alpha byte

// Pixels are B, G, R (24 bits) or B, G, R, A (32 bits). Drawing coordinates are always top-down with (0, 0) at the
// top-left pixel, whatever order the rows are stored in.
struct TkPixels {
    uint8_t* bits = nullptr; // the first row in memory: the top row, or the bottom one when bottomUp
    int width = 0;
    int height = 0;
    int stride = 0; // bytes from one row in memory to the next, padding included
    int bitsPerPixel = 24;
    bool bottomUp = false;
};

// The bytes of one row of a Windows bitmap (a BMP file, an icon, a DIB section): its bits padded to 32-bit words.
constexpr uint64_t TkRowStride(uint64_t width, uint64_t bitsPerPixel)
{
    return (width * bitsPerPixel + 31) / 32 * 4;
}

// Nonzero size, a depth of 24 or 32 and a stride that holds a row.
bool TkPixelsUsable(const TkPixels& pixels);
uint8_t* TkPixelRow(const TkPixels& pixels, int y);
// The pixel at (x, y) as a colour with alpha; 24-bit pixels read as opaque. (x, y) must lie inside.
int32_t TkReadPixel(const TkPixels& pixels, int x, int y);

// Writes colour onto one pixel through the mode, at a coverage from 0 (the pixel stays) to 255 (fully drawn).
// Outside the view nothing happens.
void TkPaintPixel(const TkPixels& pixels, int x, int y, int32_t colour, int coverage, int mode);

// Fills the rectangle from (x, y) over width by height pixels, clipped; with TkModeOutline only its border, each
// border pixel once. A width or height of 0 or less draws nothing.
void TkPixelsBox(const TkPixels& pixels, int x, int y, int width, int height, int32_t colour, int mode);

// A line from (x, y) to (x + width - 1, y + height - 1); a negative width or height runs the other way, to
// x + width + 1. A width or height of 0 draws nothing.
void TkPixelsLine(const TkPixels& pixels, int x, int y, int width, int height, int32_t colour, int mode);

// Draws source with its top-left pixel at (x, y) of target, clipped, each source pixel written as a colour through
// the mode (24-bit source pixels are opaque). Source and target may be the same memory.
void TkPixelsBlit(const TkPixels& target, int x, int y, const TkPixels& source, int mode);

// Fills target from source without smoothing: each target pixel takes the source pixel under its centre, so a
// whole-number enlargement turns every source pixel into a solid block. Same size copies the pixels.
void TkPixelsResize(const TkPixels& target, const TkPixels& source);
// Fills target from source by averaging: each target pixel is the mean of the source area it covers, the source
// pixels on its edges weighted by the part they share with it, so a reduced drawing stays sharp and even. Enlarged,
// a source pixel becomes a solid area with at most one blended pixel on each side: no blocks of unequal size.
void TkPixelsAverage(const TkPixels& target, const TkPixels& source);

// Draws colour onto target through a coverage mask laid at (x, y): a 24-bit view whose pixels are grey levels,
// black where nothing is drawn and white where the colour covers the pixel fully.
void TkPixelsPaintMask(const TkPixels& target, int x, int y, const TkPixels& mask, int32_t colour, int mode);
