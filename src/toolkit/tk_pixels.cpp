#include "toolkit/tk_pixels.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

int BytesPerPixel(const TkPixels& pixels)
{
    return pixels.bitsPerPixel / 8;
}

int Mix(int source, int target, int coverage)
{
    return (source * coverage + target * (255 - coverage)) / 255;
}

// The one place where a colour meets a pixel; every drawing operation ends here.
void WritePixel(uint8_t* p, int bitsPerPixel, int32_t colour, int coverage, int mode)
{
    const int source[4] = {TkBlue(colour), TkGreen(colour), TkRed(colour), TkAlpha(colour)};
    const bool alphaOnly = (mode & TkModeAlphaChannel) != 0;
    if (mode & TkModeAlphaBlend) {
        const int a = (source[3] * coverage + 127) / 255;
        if (bitsPerPixel == 24) {
            if (!alphaOnly) {
                for (int i = 0; i < 3; ++i) {
                    p[i] = static_cast<uint8_t>((source[i] * a + p[i] * (255 - a)) / 255);
                }
            }
            return;
        }
        if (a == 0) {
            return;
        }
        const int t = p[3];
        if (!alphaOnly) {
            const int denominator = a * 255 + (255 - a) * t;
            for (int i = 0; i < 3; ++i) {
                p[i] = static_cast<uint8_t>(t == 0 ? source[i]
                                                   : (t * p[i] * (255 - a) + source[i] * a * 255) / denominator);
            }
        }
        p[3] = static_cast<uint8_t>((t * (255 - a) + a * 255) / 255);
        return;
    }
    if (alphaOnly) {
        if (bitsPerPixel == 32) {
            p[3] = static_cast<uint8_t>(Mix(source[3], p[3], coverage));
        }
        return;
    }
    for (int i = 0; i < bitsPerPixel / 8; ++i) {
        p[i] = static_cast<uint8_t>(Mix(source[i], p[i], coverage));
    }
}

// Draws the pixels from x0 to x1 (exclusive) of row y, clipped.
void HorizontalRun(const TkPixels& pixels, int64_t y, int64_t x0, int64_t x1, int32_t colour, int mode)
{
    if (y < 0 || y >= pixels.height) {
        return;
    }
    x0 = std::max<int64_t>(x0, 0);
    x1 = std::min<int64_t>(x1, pixels.width);
    uint8_t* row = TkPixelRow(pixels, static_cast<int>(y));
    const int size = BytesPerPixel(pixels);
    if (!(mode & TkModeAlphaBlend)) {
        // Unblended, a fully covered pixel takes the colour's own bytes (or its alpha alone): a plain fill, which
        // matters for pictures as long as the screen.
        const uint8_t bytes[4] = {static_cast<uint8_t>(TkBlue(colour)), static_cast<uint8_t>(TkGreen(colour)),
                                  static_cast<uint8_t>(TkRed(colour)), static_cast<uint8_t>(TkAlpha(colour))};
        if (mode & TkModeAlphaChannel) {
            for (int64_t x = x0; size == 4 && x < x1; ++x) {
                row[x * 4 + 3] = bytes[3];
            }
        } else if (size == 4) {
            for (int64_t x = x0; x < x1; ++x) {
                std::memcpy(row + x * 4, bytes, 4);
            }
        } else {
            for (int64_t x = x0; x < x1; ++x) {
                std::memcpy(row + x * 3, bytes, 3);
            }
        }
        return;
    }
    for (int64_t x = x0; x < x1; ++x) {
        WritePixel(row + x * size, pixels.bitsPerPixel, colour, 255, mode);
    }
}

void VerticalRun(const TkPixels& pixels, int64_t x, int64_t y0, int64_t y1, int32_t colour, int mode)
{
    if (x < 0 || x >= pixels.width) {
        return;
    }
    y0 = std::max<int64_t>(y0, 0);
    y1 = std::min<int64_t>(y1, pixels.height);
    for (int64_t y = y0; y < y1; ++y) {
        WritePixel(TkPixelRow(pixels, static_cast<int>(y)) + x * BytesPerPixel(pixels), pixels.bitsPerPixel, colour,
                   255, mode);
    }
}

bool SameMemory(const TkPixels& a, const TkPixels& b)
{
    const auto start = [](const TkPixels& p) { return reinterpret_cast<uintptr_t>(p.bits); };
    const auto end = [](const TkPixels& p) {
        return reinterpret_cast<uintptr_t>(p.bits) +
               static_cast<uintptr_t>(p.stride) * static_cast<uintptr_t>(p.height);
    };
    return start(a) < end(b) && start(b) < end(a);
}

// The index of the source pixel under the centre of target pixel i, for a source of length from scaled to to.
int NearestIndex(int i, int from, int to)
{
    return static_cast<int>((2 * static_cast<int64_t>(i) + 1) * from / (2 * static_cast<int64_t>(to)));
}

} // namespace

bool TkPixelsUsable(const TkPixels& pixels)
{
    return pixels.bits != nullptr && pixels.width > 0 && pixels.height > 0 &&
           (pixels.bitsPerPixel == 24 || pixels.bitsPerPixel == 32) &&
           static_cast<int64_t>(pixels.stride) >= static_cast<int64_t>(pixels.width) * (pixels.bitsPerPixel / 8);
}

uint8_t* TkPixelRow(const TkPixels& pixels, int y)
{
    const int stored = pixels.bottomUp ? pixels.height - 1 - y : y;
    return pixels.bits + static_cast<ptrdiff_t>(stored) * pixels.stride;
}

int32_t TkReadPixel(const TkPixels& pixels, int x, int y)
{
    const uint8_t* p = TkPixelRow(pixels, y) + static_cast<ptrdiff_t>(x) * BytesPerPixel(pixels);
    return TkRGBA(p[2], p[1], p[0], pixels.bitsPerPixel == 32 ? p[3] : 255);
}

void TkPaintPixel(const TkPixels& pixels, int x, int y, int32_t colour, int coverage, int mode)
{
    if (!TkPixelsUsable(pixels) || x < 0 || y < 0 || x >= pixels.width || y >= pixels.height) {
        return;
    }
    WritePixel(TkPixelRow(pixels, y) + static_cast<ptrdiff_t>(x) * BytesPerPixel(pixels), pixels.bitsPerPixel, colour,
               std::clamp(coverage, 0, 255), mode);
}

void TkPixelsBox(const TkPixels& pixels, int x, int y, int width, int height, int32_t colour, int mode)
{
    if (!TkPixelsUsable(pixels) || width <= 0 || height <= 0) {
        return;
    }
    const int64_t left = x, top = y, right = left + width, bottom = top + height;
    if (!(mode & TkModeOutline)) {
        for (int64_t row = std::max<int64_t>(top, 0); row < std::min<int64_t>(bottom, pixels.height); ++row) {
            HorizontalRun(pixels, row, left, right, colour, mode);
        }
        return;
    }
    // In blending modes a pixel drawn twice comes out darker, so the corners belong to the top and bottom rows only.
    HorizontalRun(pixels, top, left, right, colour, mode);
    if (height > 1) {
        HorizontalRun(pixels, bottom - 1, left, right, colour, mode);
    }
    VerticalRun(pixels, left, top + 1, bottom - 1, colour, mode);
    if (width > 1) {
        VerticalRun(pixels, right - 1, top + 1, bottom - 1, colour, mode);
    }
}

void TkPixelsLine(const TkPixels& pixels, int x, int y, int width, int height, int32_t colour, int mode)
{
    if (!TkPixelsUsable(pixels) || width == 0 || height == 0) {
        return;
    }
    const int64_t dx = width > 0 ? static_cast<int64_t>(width) - 1 : static_cast<int64_t>(width) + 1;
    const int64_t dy = height > 0 ? static_cast<int64_t>(height) - 1 : static_cast<int64_t>(height) + 1;
    const bool alongX = std::llabs(dx) >= std::llabs(dy);
    const int64_t steps = alongX ? std::llabs(dx) : std::llabs(dy);
    const int64_t minorSteps = alongX ? std::llabs(dy) : std::llabs(dx);
    const int64_t majorStart = alongX ? x : y, minorStart = alongX ? y : x;
    const int64_t majorSign = (alongX ? dx : dy) < 0 ? -1 : 1, minorSign = (alongX ? dy : dx) < 0 ? -1 : 1;
    const int64_t majorLimit = alongX ? pixels.width : pixels.height;

    // Only the steps whose major coordinate lies inside the picture are walked, so a line of two billion pixels
    // costs no more than one across the picture.
    int64_t first = 0, last = steps;
    if (majorSign > 0) {
        first = std::max<int64_t>(first, -majorStart);
        last = std::min<int64_t>(last, majorLimit - 1 - majorStart);
    } else {
        first = std::max<int64_t>(first, majorStart - (majorLimit - 1));
        last = std::min<int64_t>(last, majorStart);
    }
    for (int64_t i = first; i <= last; ++i) {
        // Lengths of an int line stay below 2^31, so this stays below 2^64.
        const uint64_t rounded = 2 * static_cast<uint64_t>(i) * static_cast<uint64_t>(minorSteps) + steps;
        const int64_t offset = steps == 0 ? 0 : static_cast<int64_t>(rounded / (2 * static_cast<uint64_t>(steps)));
        const int64_t major = majorStart + majorSign * i, minor = minorStart + minorSign * offset;
        const int64_t px = alongX ? major : minor, py = alongX ? minor : major;
        if (px >= 0 && py >= 0 && px < pixels.width && py < pixels.height) {
            WritePixel(TkPixelRow(pixels, static_cast<int>(py)) + px * BytesPerPixel(pixels), pixels.bitsPerPixel,
                       colour, 255, mode);
        }
    }
}

void TkPixelsBlit(const TkPixels& target, int x, int y, const TkPixels& source, int mode)
{
    if (!TkPixelsUsable(target) || !TkPixelsUsable(source)) {
        return;
    }
    std::vector<uint8_t> copy;
    TkPixels from = source;
    if (SameMemory(source, target)) {
        copy.assign(source.bits, source.bits + static_cast<size_t>(source.stride) * source.height);
        from.bits = copy.data();
    }
    const int64_t left = std::max<int64_t>(x, 0), right = std::min<int64_t>(int64_t{x} + from.width, target.width);
    const int64_t top = std::max<int64_t>(y, 0), bottom = std::min<int64_t>(int64_t{y} + from.height, target.height);
    if (left >= right || top >= bottom) {
        return;
    }
    const int targetSize = BytesPerPixel(target), sourceSize = BytesPerPixel(from);
    for (int64_t row = top; row < bottom; ++row) {
        uint8_t* out = TkPixelRow(target, static_cast<int>(row)) + left * targetSize;
        const uint8_t* in = TkPixelRow(from, static_cast<int>(row - y)) + (left - x) * sourceSize;
        if (mode == TkModeDefault && targetSize == sourceSize) {
            std::memcpy(out, in, static_cast<size_t>(right - left) * targetSize);
            continue;
        }
        for (int64_t column = left; column < right; ++column, out += targetSize, in += sourceSize) {
            const int32_t colour = TkRGBA(in[2], in[1], in[0], sourceSize == 4 ? in[3] : 255);
            WritePixel(out, target.bitsPerPixel, colour, 255, mode);
        }
    }
}

void TkPixelsResize(const TkPixels& target, const TkPixels& source)
{
    if (!TkPixelsUsable(target) || !TkPixelsUsable(source)) {
        return;
    }
    if (target.width == source.width && target.height == source.height) {
        TkPixelsBlit(target, 0, 0, source, TkModeDefault);
        return;
    }
    std::vector<int> columns(static_cast<size_t>(target.width));
    for (int x = 0; x < target.width; ++x) {
        columns[static_cast<size_t>(x)] = NearestIndex(x, source.width, target.width);
    }
    const int targetSize = BytesPerPixel(target), sourceSize = BytesPerPixel(source);
    for (int y = 0; y < target.height; ++y) {
        uint8_t* out = TkPixelRow(target, y);
        const uint8_t* in = TkPixelRow(source, NearestIndex(y, source.height, target.height));
        for (int x = 0; x < target.width; ++x, out += targetSize) {
            const uint8_t* p = in + static_cast<ptrdiff_t>(columns[static_cast<size_t>(x)]) * sourceSize;
            out[0] = p[0];
            out[1] = p[1];
            out[2] = p[2];
            if (targetSize == 4) {
                out[3] = sourceSize == 4 ? p[3] : 255;
            }
        }
    }
}

namespace {

// The source pixels one target pixel covers along one axis, with the part of each it covers, in
// units of 1 / to of a source pixel (a target pixel covers `from` units in all).
struct Coverage {
    int first = 0;
    std::vector<int> parts;
};

std::vector<Coverage> CoverageOf(int from, int to)
{
    std::vector<Coverage> spans(static_cast<size_t>(to));
    for (int i = 0; i < to; ++i) {
        // Target pixel i spans [i * from, (i + 1) * from) in units where a source pixel is `to` wide.
        const int64_t start = int64_t{i} * from, end = start + from;
        Coverage& c = spans[static_cast<size_t>(i)];
        c.first = static_cast<int>(start / to);
        for (int64_t s = c.first; s * to < end; ++s)
            c.parts.push_back(static_cast<int>(std::min(end, (s + 1) * to) - std::max(start, s * to)));
    }
    return spans;
}

} // namespace

void TkPixelsAverage(const TkPixels& target, const TkPixels& source)
{
    if (!TkPixelsUsable(target) || !TkPixelsUsable(source)) {
        return;
    }
    const std::vector<Coverage> columns = CoverageOf(source.width, target.width);
    const std::vector<Coverage> rows = CoverageOf(source.height, target.height);
    const int targetSize = BytesPerPixel(target), sourceSize = BytesPerPixel(source);
    const int channels = std::min(targetSize, sourceSize);
    const uint64_t area = uint64_t(source.width) * uint64_t(source.height);
    for (int y = 0; y < target.height; ++y) {
        const Coverage& row = rows[static_cast<size_t>(y)];
        uint8_t* out = TkPixelRow(target, y);
        for (int x = 0; x < target.width; ++x, out += targetSize) {
            const Coverage& column = columns[static_cast<size_t>(x)];
            uint64_t sums[4] = {};
            for (size_t r = 0; r < row.parts.size(); ++r) {
                const uint8_t* in = TkPixelRow(source, row.first + static_cast<int>(r)) +
                                    static_cast<ptrdiff_t>(column.first) * sourceSize;
                for (size_t c = 0; c < column.parts.size(); ++c, in += sourceSize) {
                    const uint64_t weight = uint64_t(row.parts[r]) * uint64_t(column.parts[c]);
                    for (int k = 0; k < channels; ++k)
                        sums[k] += weight * in[k];
                }
            }
            // The weights of one target pixel add up to the source area: the mean, rounded to nearest.
            for (int k = 0; k < channels; ++k)
                out[k] = static_cast<uint8_t>((sums[k] + area / 2) / area);
            if (targetSize == 4 && sourceSize == 3)
                out[3] = 255;
        }
    }
}

void TkPixelsPaintMask(const TkPixels& target, int x, int y, const TkPixels& mask, int32_t colour, int mode)
{
    if (!TkPixelsUsable(target) || !TkPixelsUsable(mask)) {
        return;
    }
    const int64_t left = std::max<int64_t>(x, 0), right = std::min<int64_t>(int64_t{x} + mask.width, target.width);
    const int64_t top = std::max<int64_t>(y, 0), bottom = std::min<int64_t>(int64_t{y} + mask.height, target.height);
    const int targetSize = BytesPerPixel(target), maskSize = BytesPerPixel(mask);
    for (int64_t row = top; row < bottom; ++row) {
        uint8_t* out = TkPixelRow(target, static_cast<int>(row)) + left * targetSize;
        const uint8_t* in = TkPixelRow(mask, static_cast<int>(row - y)) + (left - x) * maskSize;
        for (int64_t column = left; column < right; ++column, out += targetSize, in += maskSize) {
            // Sub-pixel smoothing leaves the three channels different; their mean is the coverage.
            const int coverage = (in[0] + in[1] + in[2]) / 3;
            if (coverage != 0) {
                WritePixel(out, target.bitsPerPixel, colour, coverage, mode);
            }
        }
    }
}
