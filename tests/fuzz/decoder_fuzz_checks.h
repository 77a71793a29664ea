// Checks shared by the image decoders' fuzz targets: a failed check aborts, which libFuzzer reports as a crash.
#pragma once

#include <cstdio>
#include <cstdlib>

#include "toolkit/tk_decode.h"

inline void Require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "decoder check failed: %s\n", what);
        std::abort();
    }
}

// What every decoded picture promises to the code that copies it into a bitmap.
inline void RequireWellFormed(const TkDecodedImage& image)
{
    Require(image.width > 0 && image.width <= TkMaxImageSide, "width out of range");
    Require(image.height > 0 && image.height <= TkMaxImageSide, "height out of range");
    Require(static_cast<int64_t>(image.width) * image.height <= TkMaxImagePixels, "picture over the pixel budget");
    Require(image.bitsPerPixel == 24 || image.bitsPerPixel == 32, "depth other than 24 or 32");
    Require(image.pixels.size() == static_cast<size_t>(image.width) * static_cast<size_t>(image.height) *
                                       static_cast<size_t>(image.bitsPerPixel / 8),
            "pixel count does not match the size");
}
