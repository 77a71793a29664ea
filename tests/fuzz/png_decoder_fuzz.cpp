// Arbitrary bytes into the PNG decoder: it must never read past the data, and whatever it accepts must be a
// well-formed picture, the same each time.
#include <cstddef>
#include <cstdint>

#include "decoder_fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::optional<TkDecodedImage> image = TkDecodePng(data, size);
    if (!image) {
        return 0;
    }
    RequireWellFormed(*image);
    Require(image->sourceDepth >= 1 && image->sourceDepth <= 64, "source depth out of range");
    const std::optional<TkDecodedImage> again = TkDecodePng(data, size);
    Require(again && again->pixels == image->pixels, "a second decoding differs");
    return 0;
}
