// Decoders for the image data the program carries: BMP files, icon files, PNG (libpng) and JPEG (libjpeg).
// Platform-free. Each takes the data's address and length, never reads past that length and fails on malformed or
// truncated data instead of guessing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "toolkit/tk_decode_bytes.h"
#include "toolkit/tk_pixels.h"

// Widths and heights are kept in 16 bits.
constexpr int TkMaxImageSide = 32767;
// Larger pictures are refused before their pixels are allocated: 256 MB at 32 bits per pixel. A few hundred bytes
// of PNG or JPEG can claim 32767 by 32767 pixels, and the program's own pictures are far below this.
constexpr int64_t TkMaxImagePixels = int64_t{1} << 26;

struct TkDecodedImage {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 24;       // 24: B, G, R; 32: B, G, R, A (alpha not premultiplied)
    int sourceDepth = 0;         // bits per pixel as stored in the data
    std::vector<uint8_t> pixels; // top-down rows of width pixels, without padding
};

// A view of the decoded pixels, for copying them into a bitmap.
inline TkPixels TkDecodedPixels(TkDecodedImage& image)
{
    const int stride = image.width * (image.bitsPerPixel / 8);
    return {image.pixels.data(), image.width, image.height, stride, image.bitsPerPixel, false};
}

// What the first bytes say; the decoders check everything else.
bool TkIsBmpData(const uint8_t* data, size_t length);
bool TkIsIconData(const uint8_t* data, size_t length);
bool TkIsPngData(const uint8_t* data, size_t length);
bool TkIsJpegData(const uint8_t* data, size_t length);

// 24- and 32-bit uncompressed BMP files (BI_BITFIELDS only with the plain B, G, R masks), bottom-up or top-down.
// The result has the file's depth; a 32-bit file whose alpha bytes are all 0 comes out opaque.
std::optional<TkDecodedImage> TkDecodeBmp(const uint8_t* data, size_t length);

// The first image of an icon file, checked to lie within the data and to hold all the pixels and the mask its own
// header promises, so that the system's icon reader is never handed a short or lying image.
struct TkIconImage {
    size_t offset = 0; // of the image (a BITMAPINFOHEADER and its pixels, or PNG data) within the file
    size_t size = 0;
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
};
std::optional<TkIconImage> TkFindIconImage(const uint8_t* data, size_t length);

// Images with alpha (an alpha channel or transparency chunk) decode to 32 bits, all others to 24.
std::optional<TkDecodedImage> TkDecodePng(const uint8_t* data, size_t length);

// Baseline and progressive JPEG in grey or colour decode to 24 bits; CMYK data and any data that the library
// reports as corrupt, a missing end included, fail.
std::optional<TkDecodedImage> TkDecodeJpeg(const uint8_t* data, size_t length);
