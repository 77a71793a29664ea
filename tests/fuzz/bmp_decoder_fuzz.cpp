// Arbitrary bytes into the BMP decoder, and what it accepts through the pixel code the way the toolkit uses it: into
// a padded bottom-up bitmap, enlarged three times as the magnifier does, and drawn on in a mode taken from the data.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "decoder_fuzz_checks.h"

namespace {

struct Buffer {
    std::vector<uint8_t> memory;
    TkPixels view;

    Buffer(int width, int height, int bitsPerPixel, bool bottomUp)
    {
        const int stride = (width * bitsPerPixel + 31) / 32 * 4 + 4;
        memory.assign(static_cast<size_t>(stride) * static_cast<size_t>(height), 0);
        view = {memory.data(), width, height, stride, bitsPerPixel, bottomUp};
    }
};

int TakeInt(const uint8_t* data, size_t size, size_t at)
{
    return size >= at + 2 ? static_cast<int>(TkReadLittle16(data + size - at - 2)) - 0x8000 : 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::optional<TkDecodedImage> image = TkDecodeBmp(data, size);
    if (!image) {
        return 0;
    }
    RequireWellFormed(*image);
    Require(image->bitsPerPixel == image->sourceDepth, "BMP depth changed");
    // Large pictures only repeat the work of small ones.
    if (static_cast<int64_t>(image->width) * image->height > 4096) {
        return 0;
    }
    const TkPixels decoded = TkDecodedPixels(*image);
    Buffer bitmap(image->width, image->height, image->bitsPerPixel, true);
    TkPixelsBlit(bitmap.view, 0, 0, decoded, TkModeDefault);
    for (int y = 0; y < image->height; ++y) {
        for (int x = 0; x < image->width; ++x) {
            Require(TkReadPixel(bitmap.view, x, y) == TkReadPixel(decoded, x, y), "copy into a bitmap changed a pixel");
        }
    }
    Buffer enlarged(image->width * 3, image->height * 3, image->bitsPerPixel, false);
    TkPixelsResize(enlarged.view, bitmap.view);
    for (int y = 0; y < enlarged.view.height; ++y) {
        for (int x = 0; x < enlarged.view.width; ++x) {
            Require(TkReadPixel(enlarged.view, x, y) == TkReadPixel(bitmap.view, x / 3, y / 3),
                    "enlarged pixel is not its source pixel");
        }
    }
    const int mode = TakeInt(data, size, 0) & 0x1F;
    const int32_t colour =
        TkRGBA(TakeInt(data, size, 2), TakeInt(data, size, 4), TakeInt(data, size, 6), TakeInt(data, size, 8));
    TkPixelsBox(enlarged.view, TakeInt(data, size, 10), TakeInt(data, size, 12), TakeInt(data, size, 14),
                TakeInt(data, size, 16), colour, mode);
    TkPixelsLine(enlarged.view, TakeInt(data, size, 18), TakeInt(data, size, 20), TakeInt(data, size, 22),
                 TakeInt(data, size, 24), colour, mode);
    TkPixelsBlit(enlarged.view, TakeInt(data, size, 26), TakeInt(data, size, 28), bitmap.view, mode);
    TkPixelsBlit(enlarged.view, TakeInt(data, size, 30) % 8, TakeInt(data, size, 32) % 8, enlarged.view, mode);
    return 0;
}
